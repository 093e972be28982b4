// startup_probe kontaro FILE | startup_probe bare WIDTH HEIGHT: starts a window as
// the program does and ends as soon as its first frame is painted, printing the
// window's size. "kontaro" is the program's own start (the main window with FILE,
// ready when the day grid has painted); "bare" is an empty QMainWindow of the given
// size, the baseline of bench/startup.
#include "ui/main_window.h"
#include "ui/qt_translations.h"
#include "ui/texts.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// Milliseconds since the probe's start, for the phases printed on standard error.
double Elapsed()
{
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Ends the application once `watched` has painted.
class QuitAfterPaint : public QObject {
public:
    QuitAfterPaint(QWidget& window, QWidget& watched) : window_(window) { watched.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // After this paint: the frame is then handed to the display.
            std::fprintf(stderr, "painted %.1f ms\n", Elapsed());
            QTimer::singleShot(0, qApp, [this] {
                std::printf("%dx%d\n", window_.width(), window_.height());
                // quit() would close the window, which asks about saving.
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    bool done_ = false;
};

int Usage()
{
    std::fprintf(stderr, "usage: startup_probe kontaro FILE | startup_probe bare WIDTH HEIGHT\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!(mode == QLatin1String("kontaro") && argc == 3) && !(mode == QLatin1String("bare") && argc == 4))
        return Usage();
    Elapsed();
    QApplication app(argc, argv);
    std::fprintf(stderr, "application %.1f ms\n", Elapsed());
    if (mode == QLatin1String("bare")) {
        QMainWindow window;
        auto* content = new QWidget(&window);
        window.setCentralWidget(content);
        window.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
        QuitAfterPaint quit(window, *content);
        window.show();
        return QApplication::exec();
    }
    QApplication::setApplicationName(kontaro::ui::texts::AppTitle());
    kontaro::ui::InstallQtTranslations(app);
    kontaro::ui::MainWindow window({QString::fromLocal8Bit(argv[2])});
    std::fprintf(stderr, "window made %.1f ms\n", Elapsed());
    auto* grid = window.findChild<QAbstractScrollArea*>(QStringLiteral("gDayView"));
    if (!grid)
        return 1;
    QuitAfterPaint quit(window, *grid->viewport());
    window.show();
    return QApplication::exec();
}
