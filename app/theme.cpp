#include "theme.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>

void applyTheme(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = app.palette();
    p.setColor(QPalette::Window, QColor(0xf2, 0xf4, 0xf8));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf4, 0xf7, 0xfb));
    p.setColor(QPalette::Highlight, QColor(0x2b, 0x6c, 0xb0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Button, QColor(0xe6, 0xeb, 0xf2));
    app.setPalette(p);
    app.setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 6px 14px; }"
        "QTabBar::tab:selected { font-weight: bold; color: #1d2b4a; }"
        "QPushButton { padding: 5px 14px; }"));
}

QLabel *captionLabel(const QString &text)
{
    auto *l = new QLabel(text);
    l->setStyleSheet(QStringLiteral("color:#5a667d; font-weight:bold;"));
    return l;
}

QLabel *valueLabel(bool wordWrap)
{
    auto *l = new QLabel;
    l->setStyleSheet(QStringLiteral("color:#1d2b4a;"));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(wordWrap);
    return l;
}
