#include "SpellSettingsPage.h"

#include "WindowServices.h"

#include "shell/FileDialogFilters.h"
#include "shell/Settings.h"

#include "ui/widgets/GrowingField.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace corvane::shell {

SpellSettingsPage::SpellSettingsPage(FileDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("SpellTS"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    m_mainDictionary =
        addDictionaryField(QStringLiteral("MainDictLE"), tr("Main Dictionary"), QStringLiteral("MainDictB"));
    m_customDictionary =
        addDictionaryField(QStringLiteral("CustomDictLE"), tr("Custom Dictionary"), QStringLiteral("Button4"));

    auto *limitLabel = new QLabel(tr("Limit Sugestions to"), this);
    limitLabel->setObjectName(QStringLiteral("Label5"));
    m_maxSuggestions = new QSpinBox(this);
    m_maxSuggestions->setObjectName(QStringLiteral("SugMaxSE"));
    m_maxSuggestions->setRange(0, 99999);
    m_maxSuggestions->setFixedWidth(70);
    limitLabel->setBuddy(m_maxSuggestions);
    auto *limitRow = new QHBoxLayout;
    limitRow->addWidget(limitLabel);
    limitRow->addWidget(m_maxSuggestions);
    limitRow->addStretch(1);
    layout->addLayout(limitRow);
    m_asYouType = new QCheckBox(tr("Check spelling as you type"), this);
    m_asYouType->setObjectName(QStringLiteral("AsYouTypeC"));
    m_asYouType->setToolTip(tr("Underline unknown words in red while you write a message"));
    m_asYouType->setAccessibleDescription(m_asYouType->toolTip());
    layout->addWidget(m_asYouType);
    layout->addStretch(1);
    connect(m_asYouType, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        Q_EMIT edited();
        Q_EMIT asYouTypeChanged(on);
    });

    connect(m_maxSuggestions, &QSpinBox::valueChanged, this, [this] {
        if (!m_loading)
            Q_EMIT edited();
    });
}

QLineEdit *SpellSettingsPage::addDictionaryField(const QString &name, const QString &label,
                                                 const QString &buttonName)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    auto *caption = new QLabel(label, this);
    caption->setObjectName(name + QStringLiteral("Label"));
    caption->setBuddy(field);
    auto *growing = new ui::GrowingField(field, this);
    auto *browse = new QPushButton(tr("Browse"), this);
    browse->setObjectName(buttonName);

    auto *row = new QHBoxLayout;
    row->addWidget(growing->slot());
    row->addWidget(browse);
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(caption);
    layout->addLayout(row);
    layout->addSpacing(6);

    connect(field, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            Q_EMIT edited();
    });
    connect(browse, &QPushButton::clicked, this, [this, field] { browseDictionary(field); });
    return field;
}

void SpellSettingsPage::load(const Settings &settings)
{
    m_loading = true;
    m_mainDictionary->setText(settings.mainDictionary);
    m_customDictionary->setText(settings.customDictionary);
    m_maxSuggestions->setValue(settings.maxSuggestions); // held within 0 to 99999
    m_asYouType->setChecked(settings.asYouType);
    m_mainDictionary->setCursorPosition(0);
    m_customDictionary->setCursorPosition(0);
    m_loading = false;
}

void SpellSettingsPage::store(Settings &settings) const
{
    settings.mainDictionary = m_mainDictionary->text();
    settings.customDictionary = m_customDictionary->text();
    settings.maxSuggestions = m_maxSuggestions->value();
    settings.asYouType = m_asYouType->isChecked();
}

void SpellSettingsPage::browseDictionary(QLineEdit *field)
{
    const std::optional<QString> file =
        m_dialogs.chooseFile(this, field->text(), toDialogFilter(shownFilter(kDictionaryFilter)));
    if (file)
        field->setText(QDir::toNativeSeparators(*file));
}

} // namespace corvane::shell
