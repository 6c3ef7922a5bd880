#include "routes/RouteSources.h"

#include "picture/EditSurface.h"
#include "picture/PictureFiles.h"
#include "text/FontFileDamage.h"

#include <QFile>
#include <QHash>

#include <map>
#include <optional>

namespace {

// The file entry a font field names in either selector, or none for the system-font entries and "other".
const FontFileEntry *FileOfSource(const QString &source)
{
    const FontFileEntry *chinese = FontFileForLabel(FontSelector::Chinese, source);
    return chinese ? chinese : FontFileForLabel(FontSelector::Number, source);
}

std::optional<QString> FontFileProblem(const FontFileEntry &entry, const FontFolders &folders)
{
    const QString path = folders.pathOf(entry.fileName);
    QFile file;
    if (!OpenFontFile(file, path)) {
        return UnreadableFontFileMessage(path);
    }
    if (const auto damage = FontFileDamage(entry, folders)) {
        return QStringLiteral("font %1: %2").arg(QString::fromUtf8(entry.label), *damage);
    }
    return std::nullopt;
}

// Reading at the default size tells whether the picture can be read at all; the size only scales it.
std::optional<QString> PictureProblem(const QString &path)
{
    const SampledPicture sampled = SamplePictureFile(path, EditZoomOfItem(ImageSizeItems - 1));
    if (sampled.result.ok()) {
        return std::nullopt;
    }
    return sampled.result.message();
}

} // namespace

std::optional<QString> FontSourceProblem(const QString &source, const FontFolders &folders)
{
    const FontFileEntry *entry = FileOfSource(source);
    return entry ? FontFileProblem(*entry, folders) : std::nullopt;
}

QString UnreadableFontFileMessage(const QString &path)
{
    return QStringLiteral("cannot read the font file %1").arg(path);
}

std::vector<RouteProblem> CheckRouteSources(const std::vector<RouteRowSources> &sources,
                                            const FontFolders &folders)
{
    std::vector<RouteProblem> problems;
    std::map<const FontFileEntry *, std::optional<QString>> fonts;
    QHash<QString, std::optional<QString>> pictures;
    for (const RouteRowSources &row : sources) {
        const FontFileEntry *entry = row.hasText ? FileOfSource(row.fontSource) : nullptr;
        if (entry) {
            if (!fonts.contains(entry)) {
                fonts[entry] = FontFileProblem(*entry, folders);
            }
            if (fonts[entry]) {
                problems.push_back({row.row, *fonts[entry]});
            }
        }
        if (!row.picturePath.isEmpty()) {
            if (!pictures.contains(row.picturePath)) {
                pictures.insert(row.picturePath, PictureProblem(row.picturePath));
            }
            if (const std::optional<QString> &problem = pictures[row.picturePath]) {
                problems.push_back({row.row, *problem});
            }
        }
    }
    return problems;
}
