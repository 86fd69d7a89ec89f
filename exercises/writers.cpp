#include "exercises/writers.h"

namespace tarvi::exercises {

namespace {

// A question category named after the title: a slash inside the title is
// doubled, since a single one would start a subcategory.
std::string categoryPath(std::string_view title)
{
    std::string path = "$course$/";
    for (char c : title) {
        path += c;
        if (c == '/')
            path += '/';
    }
    return path;
}

std::string questionName(const Sheet& sheet, std::size_t index)
{
    return sheet.options.title + ' ' + std::to_string(index + 1);
}

void appendXmlText(std::string& xml, std::string_view indent, std::string_view element, std::string_view text,
                   std::string_view attributes = "")
{
    xml += indent;
    xml += '<';
    xml += element;
    xml += attributes;
    xml += "><text>";
    xml += xmlEscaped(text);
    xml += "</text></";
    xml += element;
    xml += ">\n";
}

} // namespace

std::string giftEscaped(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '~' || c == '=' || c == '#' || c == '{' || c == '}' || c == ':' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string xmlEscaped(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string sheetText(const Sheet& sheet)
{
    const SheetWords& words = sheetWords(sheet.options.language);
    std::string text = sheet.options.title + '\n' + optionsLine(sheet.options) + "\n\n";
    for (std::size_t i = 0; i < sheet.problems.size(); ++i)
        text += std::to_string(i + 1) + ". " + sheet.problems[i].statement + "\n\n";
    text += words.solutions;
    text += "\n\n";
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const Problem& problem = sheet.problems[i];
        text += std::to_string(i + 1) + ". ";
        text += words.reason;
        text += ": " + problem.reason + "\n   " + problem.answerLine + "\n\n";
    }
    text.pop_back();
    return text;
}

std::string sheetGift(const Sheet& sheet)
{
    std::string gift = "// " + sheet.options.title + "\n// " + optionsLine(sheet.options) + "\n\n";
    gift += "$CATEGORY: " + categoryPath(sheet.options.title) + "\n\n";
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const Problem& problem = sheet.problems[i];
        gift += "// " + problem.reason + "\n// " + problem.answerLine + "\n";
        gift += "::" + giftEscaped(questionName(sheet, i)) + ":: " + giftEscaped(problem.statement) + " {#" +
                problem.count + "}\n\n";
    }
    gift.pop_back();
    return gift;
}

std::string sheetMoodleXml(const Sheet& sheet)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- " +
                      xmlEscaped(optionsLine(sheet.options)) + " -->\n<quiz>\n";
    xml += "  <question type=\"category\">\n";
    appendXmlText(xml, "    ", "category", categoryPath(sheet.options.title));
    xml += "  </question>\n";
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const Problem& problem = sheet.problems[i];
        xml += "  <question type=\"numerical\">\n";
        appendXmlText(xml, "    ", "name", questionName(sheet, i));
        appendXmlText(xml, "    ", "questiontext", problem.statement, " format=\"plain_text\"");
        appendXmlText(xml, "    ", "generalfeedback", problem.answerLine + '\n' + problem.reason,
                      " format=\"plain_text\"");
        xml += "    <defaultgrade>1</defaultgrade>\n    <penalty>0</penalty>\n    <hidden>0</hidden>\n";
        xml +=
            "    <answer fraction=\"100\" format=\"plain_text\">\n      <text>" + problem.count + "</text>\n";
        xml += "      <tolerance>0</tolerance>\n    </answer>\n  </question>\n";
    }
    xml += "</quiz>\n";
    return xml;
}

} // namespace tarvi::exercises
