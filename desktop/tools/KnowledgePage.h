// The tab 知识资料汇总: the library of handbooks. Three group boxes hold a link label per
// handbook; a click asks the desktop to open the handbook, falls back to Qimbel's own viewer
// window, and shows the warning box only when neither can open it.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QUrl;

namespace qimbel {

class HandbookViewer;
class HyperlinkLabel;

class KnowledgePage : public QWidget {
    Q_OBJECT
public:
    // Asks the desktop to open a file; false when it cannot.
    using Opener = std::function<bool(const QUrl &)>;

    explicit KnowledgePage(QWidget *parent = nullptr);

    // The installation folder below which ZhiShi/ is found; the program's own folder by default.
    void SetInstallationFolder(const QString &folder);
    // The desktop's opener, QDesktopServices::openUrl by default.
    void SetOpener(Opener opener);

    // The label with control id `id`, or nullptr.
    HyperlinkLabel *Label(int id) const;
    // The viewer window, once a handbook has been shown in it.
    HandbookViewer *Viewer() const;

    // Opens the handbook of the label with control id `id` as a click on the label does.
    void OpenHandbook(int id);

private:
    // What opening the file of `label` came to: kHandbookOpens or a failure code.
    int Open(HyperlinkLabel *label);

    std::vector<HyperlinkLabel *> labels_;
    Opener opener_;
    QPointer<HandbookViewer> viewer_;
};

} // namespace qimbel
