#include "filedialog/paths.h"

#include "filedialog/texts.h"
#include "platform/files.h"

namespace tarvi {

QString CarpPare(const QString& path)
{
    const qsizetype lastSlash = path.lastIndexOf(u'/');
    return lastSlash < 0 ? QString() : path.left(lastSlash + 1);
}

QString joinPath(const QString& folder, const QString& name)
{
    if (name.startsWith(u'/'))
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QStringList splitPatterns(const QString& patterns) { return patterns.split(u'|', Qt::KeepEmptyParts); }

QString recoveryExtension(const QString& typeText)
{
    const qsizetype dot = typeText.indexOf(u'.');
    if (typeText.isEmpty() || typeText == u"*.*" || dot < 0)
        return {};
    return typeText.mid(dot);
}

OkStep recovery(platform::FileMode mode, const QString& folder, const QString& name, const QString& typeText)
{
    if (mode == platform::FileMode::Save)
        return {OkStep::Kind::Accept, joinPath(folder, name) + recoveryExtension(typeText), {}, {}};
    return {OkStep::Kind::Message, {}, QString::fromUtf16(dialogtext::PathNotFound), name};
}

OkStep okRule(platform::FileMode mode, const QString& workingFolder, const QString& folder,
              const QString& name, const QString& typeText)
{
    if (name.isEmpty())
        return {};
    if (!name.contains(u'.')) {
        // A bare name may be a folder to move to; it is looked up from the
        // working folder, not from the folder shown.
        const QString named = joinPath(workingFolder, name);
        const auto attributes = platform::readAttributes(named);
        if (!attributes)
            return recovery(mode, folder, name, typeText);
        if (attributes->folder)
            return {OkStep::Kind::MoveTo, named, {}, {}};
    }
    const QString path = joinPath(folder, name);
    if (mode == platform::FileMode::Open) {
        switch (platform::searchFiles(path)) {
        case platform::SearchOutcome::Found:
            break;
        case platform::SearchOutcome::NotFound:
            return {OkStep::Kind::Message, {}, QString::fromUtf16(dialogtext::FileNotFound), path};
        case platform::SearchOutcome::Refused:
            return {OkStep::Kind::Message, {}, QString::fromUtf16(dialogtext::PathNotFound), path};
        }
    }
    return {OkStep::Kind::Accept, path, {}, {}};
}

} // namespace tarvi
