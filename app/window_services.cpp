#include "window_services.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "dialogs.h"
#include "native_window.h"

namespace mud::app {

namespace {

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

// While a dialog is shown modally, input for every other window is dropped,
// and the wait ends as soon as the dialog is closed. Qt's modality blocks the
// other windows only while the dialog is visible: input queued behind its
// closing click would otherwise reach them before the opener has resumed.
// A dialog is never lost: a click or a key in a window it blocks, or that
// window's activation, brings it back (restored if minimized, raised and
// active); Qt drops such input, so it is seen where the window system hands
// it over.
class ModalWait : public QObject, public QAbstractNativeEventFilter {
public:
    explicit ModalWait(QWidget* dialog) : dialog_(dialog) {
        qApp->installEventFilter(this);
        qApp->installNativeEventFilter(this);
        connect(dialog, &QObject::destroyed, &loop_, &QEventLoop::quit);
    }
    ~ModalWait() override {
        qApp->removeNativeEventFilter(this);
        qApp->removeEventFilter(this);
    }

    void exec() {
        if (dialog_ && dialog_->isVisible()) loop_.exec(QEventLoop::DialogExec);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Minimized, the dialog is hidden by the window system but still open.
        if (watched == dialog_ && event->type() == QEvent::Hide && !dialog_->isVisible()) loop_.quit();
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool elsewhere = widget && (!dialog_ || widget->window() != dialog_);
        if (elsewhere && widget->isWindow() && event->type() == QEvent::WindowActivate) bringBackLater();
        return elsewhere && isInput(event->type());
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (dialog_ && ui::isPressElsewhere(type, message, dialog_->windowHandle())) bringBackLater();
        return false;
    }

private:
    void bringBackLater() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!dialog_ || !dialog_->isVisible()) return;
                dialog_->setWindowState(dialog_->windowState() & ~Qt::WindowMinimized);
                dialog_->raise();
                dialog_->activateWindow();
            },
            Qt::QueuedConnection);
    }

    QPointer<QWidget> dialog_;
    QEventLoop loop_;
};

}  // namespace

void showModal(QWidget* window) {
    const QPointer<QWidget> opener = QApplication::activeWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    ModalWait wait(window);
    window->show();
    wait.exec();
    ui::dialogClosed(opener);
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
