#include "search/search_frame.h"

#include "app/default_button.h"

#include <QLabel>
#include <QPushButton>

SearchFrame::SearchFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton) {
    lblSearch = new QLabel(QStringLiteral("Ready to begin search"), this);
    lblSearch->setObjectName("lblSearch");
    lblPageTotal = new QLabel(QStringLiteral("1"), this);
    lblPageTotal->setObjectName("lblPageTotal");
    cmdCopy = new QPushButton(QStringLiteral("C&opy"), this);
    cmdCopy->setObjectName("cmdCopy");
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName("cmdSave");
}
