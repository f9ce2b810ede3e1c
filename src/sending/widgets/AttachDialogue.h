#pragma once

#include <QDialog>
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>

class QComboBox;
class QListWidget;
class QMimeData;

namespace corvane::sending {

class ComposeDraft;
class ComposePrompts;

// "Attachments" (TAttachDialogue): the attached files with their file type icons. Created once and
// kept; its list is the draft's attachment list. Files can be chosen with Add or dropped on it.
class AttachDialogue : public QDialog
{
    Q_OBJECT

public:
    AttachDialogue(ComposeDraft &draft, ComposePrompts &prompts, QWidget *parent = nullptr);

    // The compose pane's attachment box AttachC, which mirrors the list by file name.
    void setMirror(QComboBox *attachC);

    // AddFile: attaches the file, or says why it cannot be attached. Returns whether it was added.
    bool AddFile(const QString &path);
    // Dropped paths in turn: a folder is refused with a message, the files are added.
    void addDroppedPaths(const QStringList &paths);
    // UpdateList: AttachC lists the files by name with their icons, the first selected.
    void UpdateList();

    // The icon of the file's type.
    QIcon iconFor(const QString &path);

    QListWidget *list() const { return m_list; }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // However the dialog closes, the compose pane's box shows what will be sent.
    void done(int result) override;
    void hideEvent(QHideEvent *event) override;

private:
    void AddAttachBClick();
    void RemAttachBClick();
    void AttachOkClick();
    void showList();

    ComposeDraft &m_draft;
    ComposePrompts &m_prompts;
    QComboBox *m_mirror = nullptr;
    QListWidget *m_list = nullptr; // AtachLV
    QFileIconProvider m_iconProvider;
    QHash<QString, QIcon> m_icons; // AtachImgOutIL
};

// The local files of a drop, in order.
QStringList droppedFiles(const QMimeData &mime);

} // namespace corvane::sending
