#include "window_services.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <functional>

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
// from its showing until what follows it has run. Qt's modality blocks the
// other windows only while the dialog is visible: input queued behind its
// closing click would otherwise reach them first. What follows runs from the
// event loop once the dialog has closed (by its button, its close box or its
// destruction), exactly once, so that it never runs inside the dialog's own
// handlers. A dialog is never lost: a click or a key in a window it blocks,
// or that window's activation, brings it back (restored if minimized, raised
// and active); Qt drops such input, so it is seen where the window system
// hands it over.
class ModalWait : public QObject, public QAbstractNativeEventFilter {
public:
    ModalWait(QWidget* dialog, std::function<void()> closed)
        : QObject(qApp), dialog_(dialog), closed_(std::move(closed)) {
        qApp->installEventFilter(this);
        qApp->installNativeEventFilter(this);
        connect(dialog, &QObject::destroyed, this, &ModalWait::finish);
    }
    ~ModalWait() override { release(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Minimized, the dialog is hidden by the window system but still open.
        if (watched == dialog_ && event->type() == QEvent::Hide && !dialog_->isVisible()) finish();
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
    void finish() {
        if (finished_) return;
        finished_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                release();  // the other windows take input again
                deleteLater();
                closed_();
            },
            Qt::QueuedConnection);
    }

    void release() {
        qApp->removeNativeEventFilter(this);
        qApp->removeEventFilter(this);
    }

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
    std::function<void()> closed_;
    bool finished_ = false;
};

}  // namespace

void showModal(QWidget* window, std::function<void()> closed) {
    const QPointer<QWidget> opener = QApplication::activeWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    new ModalWait(window, [opener, closed = std::move(closed)] {
        ui::dialogClosed(opener);
        if (closed) closed();
    });
    window->show();
}

void openDialog(Dialog dialog, const std::string& mainTag, std::function<void()> closed) {
    switch (dialog) {
    case Dialog::Info: showModal(new ui::frmInfo(mainTag), std::move(closed)); break;
    case Dialog::Zali: showModal(new ui::frmZali, std::move(closed)); break;
    case Dialog::Objasni: showModal(new ui::frmObjasni, std::move(closed)); break;
    case Dialog::Oglas: showModal(new ui::frmOglas, std::move(closed)); break;
    }
}

}  // namespace mud::app
