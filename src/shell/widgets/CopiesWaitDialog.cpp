#include "CopiesWaitDialog.h"

#include "platform/BackgroundCopies.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace corvane::shell {

CopiesWaitDialog::CopiesWaitDialog(platform::BackgroundCopies &copies, QWidget *parent)
    : QDialog(parent), m_copies(copies), m_list(new QListWidget), m_poll(new QTimer(this))
{
    setObjectName(QStringLiteral("CopiesWaitDlg"));
    setWindowTitle(tr("Corvane"));

    auto *label = new QLabel(platform::waitingForCopiesText());
    label->setObjectName(QStringLiteral("CopiesWaitL"));
    m_list->setObjectName(QStringLiteral("CopiesLB"));
    m_list->setAccessibleName(tr("Copies still running"));
    m_list->setAccessibleDescription(tr("The attachment copies Corvane waits for before it closes"));
    label->setBuddy(m_list);

    auto *buttons = new QDialogButtonBox;
    QPushButton *closeNow = buttons->addButton(tr("Close Anyway"), QDialogButtonBox::DestructiveRole);
    closeNow->setObjectName(QStringLiteral("CloseAnywayB"));
    closeNow->setToolTip(tr("Close now; the copies still running are cut off and leave no file behind"));
    closeNow->setAccessibleDescription(closeNow->toolTip());
    QPushButton *keepOpen = buttons->addButton(tr("Keep Open"), QDialogButtonBox::RejectRole);
    keepOpen->setObjectName(QStringLiteral("KeepOpenB"));
    keepOpen->setToolTip(tr("Do not close; the copies go on"));
    keepOpen->setAccessibleDescription(keepOpen->toolTip());
    keepOpen->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    connect(closeNow, &QPushButton::clicked, this, &CopiesWaitDialog::closeAnyway);
    connect(keepOpen, &QPushButton::clicked, this, &QDialog::reject);
    // A copy job may copy several files one after the other: the list is read again while it waits.
    m_poll->setInterval(250);
    connect(m_poll, &QTimer::timeout, this, &CopiesWaitDialog::refresh);
    connect(&m_copies, &platform::BackgroundCopies::runningChanged, this, &CopiesWaitDialog::refresh);
    m_poll->start();
    refresh();
}

void CopiesWaitDialog::refresh()
{
    if (m_copies.running() == 0) {
        m_poll->stop();
        Q_EMIT copiesFinished();
        return;
    }
    const QStringList copies = platform::activeCopies();
    QStringList shown;
    for (int row = 0; row < m_list->count(); ++row)
        shown.append(m_list->item(row)->text());
    if (shown != copies) { // rebuilt only on change, so a selection or scroll position stays
        m_list->clear();
        m_list->addItems(copies);
    }
}

} // namespace corvane::shell
