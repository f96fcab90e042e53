#include "window/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/Pictures.h"

namespace rotulano::window {

namespace {
const QString kAboutName = QStringLiteral("CP21999");
}

AboutWindow::AboutWindow(QWidget* parent, bool portuguese) : QDialog(parent) {
    setObjectName(kAboutName);
    setWindowTitle(portuguese ? QStringLiteral("Sobre o Rotulano")
                              : QStringLiteral("About Rotulano"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("CmImage1"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(415, 70);
    showPicture(picture, QStringLiteral("IMG-Lojasverdelis"));

    auto* version =
        new QLabel(portuguese ? QString::fromUtf8("Rotulano - Versão " ROTULANO_WINDOW_VERSION)
                              : QStringLiteral("Rotulano - Version " ROTULANO_WINDOW_VERSION),
                   this);
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

AboutWindow* AboutWindow::open(QWidget* parent, bool portuguese) {
    if (auto* shown = parent->findChild<AboutWindow*>(kAboutName); shown != nullptr) {
        shown->raise();
        shown->activateWindow();
        return shown;
    }
    auto* about = new AboutWindow(parent, portuguese);
    about->QDialog::open();
    return about;
}

}  // namespace rotulano::window
