#include "AttachDialogue.h"

#include "ComposePrompts.h"

#include "sending/ComposeDraft.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace corvane::sending {

QStringList droppedFiles(const QMimeData &mime)
{
    QStringList paths;
    for (const QUrl &url : mime.urls()) {
        if (url.isLocalFile())
            paths.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return paths;
}

AttachDialogue::AttachDialogue(ComposeDraft &draft, ComposePrompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_draft(draft), m_prompts(prompts)
{
    setObjectName(QStringLiteral("AttachDialogue"));
    setWindowTitle(tr("Attachments"));
    setAcceptDrops(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("AtachLV"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setIconSize(QSize(16, 16));
    m_list->setAccessibleName(tr("Attached files"));
    m_list->setAcceptDrops(false); // drops go to the dialog
    m_list->setFixedSize(360, 200);

    auto *add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("AddAttachB"));
    add->setAccessibleDescription(tr("Choose files to attach"));
    auto *remove = new QPushButton(tr("Remove"), this);
    remove->setObjectName(QStringLiteral("RemAttachB"));
    remove->setAccessibleDescription(tr("Remove the selected files from the attachments"));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("AttachOk"));
    ok->setDefault(true);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(add, &QPushButton::clicked, this, &AttachDialogue::AddAttachBClick);
    connect(remove, &QPushButton::clicked, this, &AttachDialogue::RemAttachBClick);
    connect(ok, &QPushButton::clicked, this, &AttachDialogue::AttachOkClick);
    connect(&m_draft, &ComposeDraft::attachmentsChanged, this, [this] {
        showList();
        UpdateList();
    });
}

void AttachDialogue::setMirror(QComboBox *attachC)
{
    m_mirror = attachC;
    UpdateList();
}

QIcon AttachDialogue::iconFor(const QString &path)
{
    auto found = m_icons.constFind(path);
    if (found != m_icons.constEnd())
        return *found;
    const QIcon icon = m_iconProvider.icon(QFileInfo(path));
    m_icons.insert(path, icon);
    return icon;
}

bool AttachDialogue::AddFile(const QString &path)
{
    if (const auto refused = m_draft.addAttachment(path)) {
        m_prompts.showNotice(this, *refused);
        return false;
    }
    return true;
}

void AttachDialogue::addDroppedPaths(const QStringList &paths)
{
    for (const QString &path : paths)
        AddFile(path);
}

void AttachDialogue::showList()
{
    m_list->clear();
    for (const QString &path : m_draft.attachmentPaths())
        m_list->addItem(new QListWidgetItem(iconFor(path), path));
}

void AttachDialogue::UpdateList()
{
    if (!m_mirror)
        return;
    m_mirror->clear();
    for (const QString &path : m_draft.attachmentPaths())
        m_mirror->addItem(iconFor(path), QFileInfo(QDir::fromNativeSeparators(path)).fileName(), path);
    m_mirror->setCurrentIndex(m_mirror->count() > 0 ? 0 : -1);
}

void AttachDialogue::AddAttachBClick()
{
    for (const QString &path : m_prompts.chooseFiles(this))
        AddFile(QDir::toNativeSeparators(path));
}

void AttachDialogue::RemAttachBClick()
{
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            rows.append(row);
    }
    m_draft.removeAttachmentsAt(rows);
}

void AttachDialogue::AttachOkClick()
{
    UpdateList();
    accept();
    m_draft.noteEdit();
}

void AttachDialogue::done(int result)
{
    UpdateList();
    QDialog::done(result);
}

void AttachDialogue::hideEvent(QHideEvent *event)
{
    UpdateList();
    QDialog::hideEvent(event);
}

void AttachDialogue::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void AttachDialogue::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedFiles(*event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    addDroppedPaths(paths);
}

} // namespace corvane::sending
