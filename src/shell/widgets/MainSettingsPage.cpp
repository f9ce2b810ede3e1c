#include "MainSettingsPage.h"

#include "FolderBrowser.h"
#include "Icons.h"
#include "WindowServices.h"

#include "shell/FileDialogFilters.h"
#include "shell/Navigation.h"
#include "shell/Settings.h"

#include "ui/FolderFields.h"
#include "ui/widgets/GrowingField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <limits>

namespace corvane::shell {

namespace {

QPushButton *browseButton(const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(MainSettingsPage::tr("Browse"), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

MainSettingsPage::MainSettingsPage(FolderBrowser &folders, FileDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_folders(folders), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("MainST"));

    auto *folderColumn = new QVBoxLayout;
    folderColumn->setSpacing(2);
    auto *nameLabel = new QLabel(tr("Your Name"), this);
    nameLabel->setObjectName(QStringLiteral("YourNameELabel"));
    m_yourName = new QLineEdit(this);
    m_yourName->setObjectName(QStringLiteral("YourNameE"));
    m_yourName->setFixedWidth(121);
    nameLabel->setBuddy(m_yourName);
    connect(m_yourName, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            Q_EMIT edited();
    });
    folderColumn->addWidget(nameLabel);
    folderColumn->addWidget(m_yourName);
    folderColumn->addSpacing(6);
    m_yourInbox =
        addFolderField(folderColumn, QStringLiteral("YourInBoxE"), tr("Your Inbox"), QStringLiteral("Button1"));
    m_addressFolder = addFolderField(folderColumn, QStringLiteral("AddresLocE"), tr("Address List Folder"),
                                     QStringLiteral("Button2"));
    m_sentFolder =
        addFolderField(folderColumn, QStringLiteral("SentLocE"), tr("Sent Items Folder"), QStringLiteral("Button6"));
    m_inboxDataFolder = addFolderField(folderColumn, QStringLiteral("InBoxLocE"), tr("Inbox Datafile Folder"),
                                       QStringLiteral("Button3"));
    folderColumn->addStretch(1);

    auto *columns = new QHBoxLayout(this);
    columns->setSpacing(24);
    columns->addLayout(folderColumn, 2);
    columns->addWidget(buildOptions(), 1, Qt::AlignTop);
    fillStartPages();
}

QLineEdit *MainSettingsPage::addFolderField(QVBoxLayout *column, const QString &name,
                                            const QString &label, const QString &buttonName)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    auto *caption = new QLabel(label, this);
    caption->setObjectName(name + QStringLiteral("Label"));
    caption->setBuddy(field);
    auto *growing = new ui::GrowingField(field, this);
    QPushButton *browse = browseButton(buttonName, this);

    // The field takes the column's width: a long path shows whole in a wide window.
    auto *row = new QHBoxLayout;
    row->addWidget(growing->slot());
    row->addWidget(browse);
    column->addWidget(caption);
    column->addLayout(row);
    column->addSpacing(6);

    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            Q_EMIT edited();
    });
    connect(browse, &QPushButton::clicked, this, [this, field] { browseFolder(field); });
    return field;
}

void MainSettingsPage::focusField(SettingsRefusal::Field field)
{
    QLineEdit *edit = field == SettingsRefusal::Field::Name ? m_yourName : m_yourInbox;
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll(); // a placeholder is typed over
}

QWidget *MainSettingsPage::buildOptions()
{
    // A plain holder keeps the options together at the top of the right-hand column; the sound
    // field's growth is bounded by its group box, not by this holder.
    auto *options = new QWidget(this);
    auto *layout = new QVBoxLayout(options);
    layout->setContentsMargins(0, 0, 0, 0);

    m_selfServer = new QCheckBox(tr("Use as server"), options);
    m_selfServer->setObjectName(QStringLiteral("SelfServerCB"));
    layout->addWidget(m_selfServer);

    m_autoCheck = new QCheckBox(tr("Auto Check Mail Every"), options);
    m_autoCheck->setObjectName(QStringLiteral("AutoCheck"));
    m_autoCheckMinutes = new QSpinBox(options);
    m_autoCheckMinutes->setObjectName(QStringLiteral("AutoCheckS"));
    m_autoCheckMinutes->setAccessibleName(tr("Minutes between automatic mail checks"));
    m_autoCheckMinutes->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    m_autoCheckMinutes->setValue(10);
    m_autoCheckMinutes->setFixedWidth(70);
    m_minutesLabel = new QLabel(tr("Minutes"), options);
    m_minutesLabel->setObjectName(QStringLiteral("autocheckL"));
    auto *autoRow = new QHBoxLayout;
    autoRow->addWidget(m_autoCheck);
    autoRow->addWidget(m_autoCheckMinutes);
    autoRow->addWidget(m_minutesLabel);
    autoRow->addStretch(1);
    layout->addLayout(autoRow);

    auto *startLabel = new QLabel(tr("Start Page"), options);
    startLabel->setObjectName(QStringLiteral("StartupLocL"));
    m_startPage = new QComboBox(options);
    m_startPage->setObjectName(QStringLiteral("StartLocCx"));
    m_startPage->setPlaceholderText(tr("Pick one"));
    m_startPage->setMinimumWidth(140);
    startLabel->setBuddy(m_startPage);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(startLabel);
    startRow->addWidget(m_startPage);
    startRow->addStretch(1);
    layout->addLayout(startRow);

    m_popup = new QCheckBox(tr("Show pop up message for new mail"), options);
    m_popup->setObjectName(QStringLiteral("PopupRecC"));
    layout->addWidget(m_popup);
    m_desktopNotification = new QCheckBox(tr("Desktop notification for new mail"), options);
    m_desktopNotification->setObjectName(QStringLiteral("DesktopNotifyC"));
    m_desktopNotification->setToolTip(tr("Also tell the desktop about new mail while the window is out of view"));
    m_desktopNotification->setAccessibleDescription(m_desktopNotification->toolTip());
    layout->addWidget(m_desktopNotification);
    layout->addWidget(buildSoundGroup());

    for (QCheckBox *box : {m_selfServer, m_autoCheck, m_popup, m_desktopNotification})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_loading)
                Q_EMIT edited();
        });
    connect(m_autoCheck, &QCheckBox::toggled, this, &MainSettingsPage::autoCheckClick);
    connect(m_autoCheckMinutes, &QSpinBox::valueChanged, this, [this](int minutes) {
        Q_EMIT autoCheckMinutesChanged(minutes);
        if (!m_loading)
            Q_EMIT edited();
    });
    connect(m_startPage, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            Q_EMIT edited();
    });
    autoCheckClick();
    return options;
}

QGroupBox *MainSettingsPage::buildSoundGroup()
{
    auto *group = new QGroupBox(tr("Mail Sound"), this);
    group->setObjectName(QStringLiteral("SoundGB"));
    m_soundNone = new QRadioButton(tr("No Sound"), group);
    m_soundNone->setObjectName(QStringLiteral("SoundNoneRB"));
    m_soundDefault = new QRadioButton(tr("Default Beep"), group);
    m_soundDefault->setObjectName(QStringLiteral("SoundDefaultRB"));
    m_soundDefault->setChecked(true);
    m_soundCustom = new QRadioButton(tr("Custom Sound"), group);
    m_soundCustom->setObjectName(QStringLiteral("SoundCustomRB"));

    m_mailSound = new QLineEdit;
    m_mailSound->setObjectName(QStringLiteral("MailSoundE"));
    auto *growing = new ui::GrowingField(m_mailSound, group);
    QPushButton *browse = browseButton(QStringLiteral("Button5"), group);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(growing->slot());
    fileRow->addWidget(browse);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_soundNone);
    layout->addWidget(m_soundDefault);
    layout->addWidget(m_soundCustom);
    layout->addLayout(fileRow);

    for (QRadioButton *radio : {m_soundNone, m_soundDefault, m_soundCustom})
        connect(radio, &QRadioButton::toggled, this, [this] {
            if (!m_loading)
                Q_EMIT edited();
        });
    connect(m_mailSound, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            Q_EMIT edited();
    });
    connect(browse, &QPushButton::clicked, this, &MainSettingsPage::browseSound);
    return group;
}

void MainSettingsPage::fillStartPages()
{
    const QList<QIcon> &images = icons::navigationImages();
    m_startPage->clear();
    for (const StartPageEntry &entry : startPageEntries())
        m_startPage->addItem(images.value(entry.imageIndex), entry.text());
    m_startPage->setCurrentIndex(-1);
}

void MainSettingsPage::load(const Settings &settings)
{
    m_loading = true;
    m_yourName->setText(settings.name);
    m_yourInbox->setText(settings.myDest);
    m_addressFolder->setText(settings.addresses);
    m_sentFolder->setText(settings.sentData);
    m_inboxDataFolder->setText(settings.inboxData);
    m_selfServer->setChecked(settings.selfServer);
    m_autoCheck->setChecked(settings.autoCheck);
    m_autoCheckMinutes->setValue(settings.autoCheckTime);
    const bool knownPage = settings.startupLocation >= 0 && settings.startupLocation < m_startPage->count();
    m_startPage->setCurrentIndex(knownPage ? settings.startupLocation : -1);
    m_popup->setChecked(settings.mailPopup);
    m_desktopNotification->setChecked(settings.desktopNotification);
    switch (settings.mailSoundType) {
    case 0:
        m_soundNone->setChecked(true);
        break;
    case 2:
        m_soundCustom->setChecked(true);
        break;
    default:
        m_soundDefault->setChecked(true);
        break;
    }
    m_mailSound->setText(settings.mailSound);
    for (QLineEdit *field : {m_yourInbox, m_addressFolder, m_sentFolder, m_inboxDataFolder, m_mailSound})
        field->setCursorPosition(0);
    m_loading = false;
    // Loading raises the handlers as any change would: the minutes box and its label follow the
    // tick, and the timer takes the interval even when the value did not change.
    autoCheckClick();
    Q_EMIT autoCheckMinutesChanged(m_autoCheckMinutes->value());
}

void MainSettingsPage::store(Settings &settings) const
{
    settings.name = m_yourName->text();
    settings.myDest = m_yourInbox->text();
    settings.addresses = m_addressFolder->text();
    settings.sentData = m_sentFolder->text();
    settings.inboxData = m_inboxDataFolder->text();
    settings.selfServer = m_selfServer->isChecked();
    settings.autoCheck = m_autoCheck->isChecked();
    settings.autoCheckTime = m_autoCheckMinutes->value();
    settings.startupLocation = m_startPage->currentIndex();
    settings.mailPopup = m_popup->isChecked();
    settings.desktopNotification = m_desktopNotification->isChecked();
    if (m_soundNone->isChecked())
        settings.mailSoundType = 0;
    else if (m_soundDefault->isChecked())
        settings.mailSoundType = 1;
    else if (m_soundCustom->isChecked())
        settings.mailSoundType = 2;
    settings.mailSound = m_mailSound->text();
}

bool MainSettingsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto *field = qobject_cast<QLineEdit *>(watched)) {
            const QString text = ui::folderFieldOnExit(field->text());
            if (text != field->text())
                field->setText(text);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainSettingsPage::autoCheckClick()
{
    const bool on = m_autoCheck->isChecked();
    m_autoCheckMinutes->setEnabled(on);
    m_minutesLabel->setEnabled(on);
}

void MainSettingsPage::browseFolder(QLineEdit *field)
{
    if (const std::optional<QString> text = m_folders.browse(this, field->text()))
        field->setText(*text);
}

void MainSettingsPage::browseSound()
{
    const std::optional<QString> file =
        m_dialogs.chooseFile(this, m_mailSound->text(), toDialogFilter(shownFilter(kSoundFilter)));
    if (file)
        m_mailSound->setText(QDir::toNativeSeparators(*file));
}

} // namespace corvane::shell
