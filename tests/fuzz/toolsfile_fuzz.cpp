// Tools.rel: reading what a person may have written by hand, saving it and
// reading it again, against a plain reading of the same bytes.

#include "tests/fuzz/property.h"
#include "tools/utools.h"

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <vector>

using namespace tarvi;
using namespace tarvi::fuzz;

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
    for (qsizetype at = 0; at < lines.size() && !lines[at].isEmpty(); at += 4)
        tools.push_back({lines.value(at), lines.value(at + 1), lines.value(at + 2), lines.value(at + 3)});
    return tools;
}

std::vector<ToolEntry> inMemory() { return {Tools.begin() + 1, Tools.begin() + 1 + NumTools}; }

// Saving syncs the file to disk; in memory that costs nothing.
const QTemporaryDir folder(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/tarvi-fuzz-XXXXXX")
                                                     : QDir::tempPath() + "/tarvi-fuzz-XXXXXX");
const platform::WorkFolder work(folder.path());
const std::string toolsFile = work.file(QString::fromLatin1(kToolsFile)).toStdString();

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string written = textOf(data, size);
    std::ofstream(toolsFile, std::ios::binary | std::ios::trunc) << written;
    const auto explain = [&] { return escaped(written); };

    const std::vector<ToolEntry> expected = modelRead(written);
    const bool read = LlegeixTools(work);
    require(NumTools >= 0 && NumTools <= kMaxTools, "NumTools stays within 0 ... 12", explain);
    require(read == (expected.size() <= static_cast<std::size_t>(kMaxTools)),
            "a file is read whole exactly when it holds at most twelve tools", explain);
    if (!read) {
        require(NumTools == 0, "a failed read leaves no tools", explain);
        return 0;
    }
    require(inMemory() == expected, "the tools read are the file's", explain);
    require(DesaTools(work).ok(), "the list is saved", explain);
    require(LlegeixTools(work) && inMemory() == expected, "what was saved reads back unchanged", explain);
    return 0;
}
