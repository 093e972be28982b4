#pragma once
// RecoveryCopy: the copy of an open project that survives a crash or a kill.
//
// While a project is open and has changed (model::Project::Changes) since its last
// save or copy, Tick writes it every few minutes into the folder "recovery" of the
// user's data folder (QStandardPaths::AppDataLocation), through the project file's
// atomic save, beside a note with the project's own file name. Each running
// program holds a lock file beside its copy; a copy whose lock no program holds
// any more was left by a program that did not end normally. Saved, Discard and
// a normal end remove the program's copy.
//
// At start, OfferOrphans asks (through Prompts()) whether to open each such copy,
// newest first, until one is opened; a copy the user declines is deleted, one
// left unasked stays for the next start.
//
// KONTARO_TEST_RECOVERY_INTERVAL_MS sets the interval for tests that kill the
// program; the program's users never set it.
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QLockFile;
class QTimer;
class QWidget;

namespace kontaro::model {
struct Project;
}

namespace kontaro::ui {

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // True while a project is open.
        std::function<bool()> projectOpen;
        // Brings what the window shows but has not stored yet into the project.
        std::function<void()> storeShown;
        // The project's own file, empty for an unsaved project.
        std::function<QString()> fileName;
    };

    // The interval between two copies of a changed project.
    static constexpr int kIntervalMs = 3 * 60 * 1000;

    RecoveryCopy(model::Project& project, Hooks hooks, QObject* parent = nullptr);
    // Removes the copy: the program ends normally.
    ~RecoveryCopy() override;

    // The folder of the copies.
    static QString Folder();
    // This program's copy (it may not be written yet).
    QString CopyPath() const;

    // Writes the copy when the project changed since the last save or copy; true
    // when nothing was to be written or the copy was written.
    bool Tick();
    // Writes the copy now (a save failed); false when writing failed.
    bool WriteNow();
    // The project was saved (or replaced by New or Load): the copy goes, and the
    // project as it is counts as unchanged.
    void Saved();
    void Discard() { Saved(); }
    // Removes the copy, its note and its lock.
    void Remove();

    // Offers the copies of programs that ended without removing theirs. `open`
    // loads a chosen copy into the window (the copy is deleted once it returns, so
    // it must write its own copy of what it loaded); true when one was opened.
    static bool OfferOrphans(QWidget* owner, const std::function<void(const QString& copy)>& open);

private:
    bool Write();

    model::Project& project_;
    Hooks hooks_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    QTimer* timer_;
    // The project's change count at its last save, copy, New or Load.
    std::uint64_t written_ = 0;
};

} // namespace kontaro::ui
