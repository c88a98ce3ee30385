#include "window_services.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "dialogs.h"

namespace mud::app {

void showModal(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    QPointer<QWidget> guard(window);
    window->show();
    if (guard) loop.exec(QEventLoop::DialogExec);
}

void openDialog(Dialog dialog, const std::string& mainTag) {
    switch (dialog) {
    case Dialog::Info: showModal(new ui::frmInfo(mainTag)); break;
    case Dialog::Zali: showModal(new ui::frmZali); break;
    case Dialog::Objasni: showModal(new ui::frmObjasni); break;
    case Dialog::Oglas: showModal(new ui::frmOglas); break;
    }
}

}  // namespace mud::app
