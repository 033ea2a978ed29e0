#include "desktop/pages/SaveFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qimbel {

namespace {

QString &LastFolder(SavedFile kind)
{
    static QString document;
    static QString picture;
    return kind == SavedFile::Document ? document : picture;
}

} // namespace

QString SaveFolder(SavedFile kind)
{
    const QString &last = LastFolder(kind);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString standard = QStandardPaths::writableLocation(
        kind == SavedFile::Document ? QStandardPaths::DocumentsLocation : QStandardPaths::PicturesLocation);
    // Desktops without the folder (a fresh account, a kiosk) fall back to the home folder.
    if (!standard.isEmpty() && QFileInfo(standard).isDir())
        return standard;
    return QDir::homePath();
}

void RememberSaveFolder(SavedFile kind, const QString &savedPath)
{
    LastFolder(kind) = QFileInfo(savedPath).absolutePath();
}

} // namespace qimbel
