#include "CaptionPanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace corvane::ui {

CaptionPanel::CaptionPanel(const QString &caption, QWidget *parent)
    : QFrame(parent), m_captionBar(new QLabel(caption, this)), m_body(new QWidget(this))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);

    m_captionBar->setObjectName(QStringLiteral("caption"));
    m_captionBar->setAutoFillBackground(true);
    m_captionBar->setContentsMargins(6, 2, 6, 2);
    QPalette captionColours = m_captionBar->palette();
    captionColours.setColor(QPalette::Window, captionColours.color(QPalette::Active, QPalette::Highlight));
    captionColours.setColor(QPalette::WindowText,
                            captionColours.color(QPalette::Active, QPalette::HighlightedText));
    m_captionBar->setPalette(captionColours);
    QFont bold = m_captionBar->font();
    bold.setBold(true);
    m_captionBar->setFont(bold);

    m_body->setObjectName(QStringLiteral("body"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_captionBar);
    layout->addWidget(m_body, 1);
}

QString CaptionPanel::caption() const
{
    return m_captionBar->text();
}

void CaptionPanel::setCaption(const QString &caption)
{
    m_captionBar->setText(caption);
}

} // namespace corvane::ui
