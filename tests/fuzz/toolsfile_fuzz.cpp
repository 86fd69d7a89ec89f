// Tools.rel: reading what a person may have written by hand, saving it and
// reading it again, against a plain reading of the same bytes.

#include "tests/fuzz/property.h"
#include "tools/utools.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace tarvi;
using tarvi::fuzz::escaped;
using tarvi::fuzz::require;

namespace {

// The list as the file's lines say it: four lines a tool, up to the first
// empty title or the end; a last tool cut short has empty fields.
std::vector<ToolEntry> modelRead(const std::string& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    std::vector<ToolEntry> tools;
    for (qsizetype at = 0; at < lines.size() && !lines[at].isEmpty(); at += 4) {
        const auto field = [&](qsizetype i) { return at + i < lines.size() ? lines[at + i] : QString(); };
        tools.push_back({field(0), field(1), field(2), field(3)});
    }
    return tools;
}

// What Tools.rel holds for a list: each field and then an empty line, CR LF.
std::string modelSaved(const std::vector<ToolEntry>& tools)
{
    std::string bytes;
    for (const ToolEntry& tool : tools)
        for (const QString& field : {tool.Title, tool.File, tool.WorkDir, tool.Params})
            bytes += field.toUtf8().toStdString() + "\r\n";
    return bytes + "\r\n";
}

std::vector<ToolEntry> inMemory() { return {Tools.begin() + 1, Tools.begin() + 1 + NumTools}; }

// Saving syncs the file to disk; in memory that costs nothing.
const platform::WorkFolder& workFolder()
{
    static const QTemporaryDir folder(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/tarvi-fuzz-XXXXXX")
                                                                : QDir::tempPath() + "/tarvi-fuzz-XXXXXX");
    static const platform::WorkFolder work(folder.path());
    return work;
}

std::string toolsFile() { return workFolder().file(QString::fromLatin1(kToolsFile)).toStdString(); }

std::string fileBytes()
{
    std::ifstream in(toolsFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string written(reinterpret_cast<const char*>(data), size);
    std::ofstream(toolsFile(), std::ios::binary | std::ios::trunc) << written;

    const std::vector<ToolEntry> expected = modelRead(written);
    const bool read = LlegeixTools(workFolder());
    require(NumTools >= 0 && NumTools <= kMaxTools, "NumTools stays within 0 ... 12",
            [&] { return std::to_string(NumTools); });
    require(read == (expected.size() <= static_cast<std::size_t>(kMaxTools)),
            "a file is read whole exactly when it holds at most twelve tools",
            [&] { return escaped(written) + " read: " + std::to_string(read); });
    if (!read) {
        require(NumTools == 0, "a failed read leaves no tools");
        return 0;
    }
    require(inMemory() == expected, "the tools read are the file's", [&] { return escaped(written); });

    require(DesaTools(workFolder()).ok(), "the list is saved");
    require(fileBytes() == modelSaved(expected), "the saved file holds four lines a tool and an empty one",
            [&] { return escaped(written) + " saved as " + escaped(fileBytes()); });
    require(LlegeixTools(workFolder()) && inMemory() == expected, "what was saved reads back unchanged",
            [&] { return escaped(written); });
    return 0;
}
