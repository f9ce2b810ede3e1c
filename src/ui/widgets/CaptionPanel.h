#pragma once

#include <QFrame>

class QLabel;

namespace corvane::ui {

// A pane with a caption bar across its top and a body below it, in which the pane's owner places
// its controls. The caption bar carries no buttons.
class CaptionPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit CaptionPanel(const QString &caption, QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);

    QLabel *captionBar() const { return m_captionBar; }
    // The area below the caption bar; it has no layout until the owner gives it one.
    QWidget *body() const { return m_body; }

private:
    QLabel *m_captionBar;
    QWidget *m_body;
};

} // namespace corvane::ui
