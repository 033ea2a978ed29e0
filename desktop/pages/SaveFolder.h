// Where the save dialogs (导出PDF, 保存图片) start: the folder the pupil saved that kind of file
// to last in this run, at first the user's documents or pictures folder, never the folder the
// program was started from.
#pragma once

#include <QString>

namespace qimbel {

enum class SavedFile {
    Document, // PDF
    Picture, // PNG
};

QString SaveFolder(SavedFile kind);
// After a save: the folder of `savedPath` becomes the start of the next dialog of the kind.
void RememberSaveFolder(SavedFile kind, const QString &savedPath);

} // namespace qimbel
