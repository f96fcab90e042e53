#include "window/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/Pictures.h"

namespace rotulano::window {

namespace {
const QString kAboutName = QStringLiteral("CP21999");
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(kAboutName);
    setWindowTitle(QStringLiteral("Sobre o Rotulano"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("CmImage1"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(415, 70);
    showPicture(picture, QStringLiteral("IMG-Lojasverdelis"));

    auto* version = new QLabel(QStringLiteral("Rotulano - Versão 02.05.00"), this);
    version->setObjectName(QStringLiteral("CmStatic1"));
    version->setTextFormat(Qt::PlainText);
    version->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BT-OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(version);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setAttribute(Qt::WA_DeleteOnClose);
}

AboutWindow* AboutWindow::open(QWidget* parent) {
    if (auto* shown = parent->findChild<AboutWindow*>(kAboutName); shown != nullptr) {
        shown->raise();
        shown->activateWindow();
        return shown;
    }
    auto* about = new AboutWindow(parent);
    about->QDialog::open();
    return about;
}

}  // namespace rotulano::window
