#include "ui/recovery_copy.h"

#include "controls/qt_format_text.h"
#include "model/project_file.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace kontaro::ui {

namespace {

const QString kCopySuffix = QStringLiteral(".kdt");
const QString kNoteSuffix = QStringLiteral(".note");
const QString kLockSuffix = QStringLiteral(".lock");

int IntervalMs()
{
    bool ok = false;
    const int test = qEnvironmentVariableIntValue("KONTARO_TEST_RECOVERY_INTERVAL_MS", &ok);
    return ok && test > 0 ? test : RecoveryCopy::kIntervalMs;
}

QString Base(const QString& id) { return RecoveryCopy::Folder() + QLatin1Char('/') + id; }

// A copy's files: the project, the save's backup of the copy before, the note and
// the lock.
void RemoveFiles(const QString& id)
{
    const QString base = Base(id);
    QFile::remove(base + kCopySuffix);
    QFile::remove(QString::fromStdString(model::BackupFileName((base + kCopySuffix).toStdString())));
    QFile::remove(base + kNoteSuffix);
}

QString ReadNote(const QString& id)
{
    QFile note(Base(id) + kNoteSuffix);
    if (!note.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(note.readLine()).trimmed();
}

} // namespace

RecoveryCopy::RecoveryCopy(model::Project& project, Hooks hooks, QObject* parent)
    : QObject(parent), project_(project), hooks_(std::move(hooks)), timer_(new QTimer(this)), written_(project.Changes)
{
    id_ = QStringLiteral("kontaro-%1-%2")
              .arg(QCoreApplication::applicationPid())
              .arg(QDateTime::currentMSecsSinceEpoch());
    connect(timer_, &QTimer::timeout, this, &RecoveryCopy::Tick);
    timer_->start(IntervalMs());
}

RecoveryCopy::~RecoveryCopy() { Remove(); }

QString RecoveryCopy::Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

QString RecoveryCopy::CopyPath() const { return Base(id_) + kCopySuffix; }

bool RecoveryCopy::Tick()
{
    if (!hooks_.projectOpen() || project_.Changes == written_)
        return true;
    return Write();
}

bool RecoveryCopy::WriteNow() { return hooks_.projectOpen() && Write(); }

bool RecoveryCopy::Write()
{
    if (!lock_) {
        if (!QDir().mkpath(Folder()))
            return false;
        auto lock = std::make_unique<QLockFile>(Base(id_) + kLockSuffix);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            return false;
        lock_ = std::move(lock);
    }
    hooks_.storeShown();
    const std::uint64_t changes = project_.Changes;
    QSaveFile note(Base(id_) + kNoteSuffix);
    if (!note.open(QIODevice::WriteOnly) || note.write(hooks_.fileName().toUtf8() + '\n') < 0 || !note.commit())
        return false;
    if (!model::SaveProjectFile(CopyPath().toStdString(), project_).ok)
        return false;
    written_ = changes;
    return true;
}

void RecoveryCopy::Saved()
{
    written_ = project_.Changes;
    Remove();
}

void RecoveryCopy::Remove()
{
    if (!lock_)
        return;
    RemoveFiles(id_);
    lock_->unlock();
    lock_.reset();
}

bool RecoveryCopy::OfferOrphans(QWidget* owner, const std::function<void(const QString& copy)>& open)
{
    const QDir folder(Folder());
    if (!folder.exists())
        return false;
    // Newest first: the last crash is the one the user remembers.
    const QFileInfoList copies =
        folder.entryInfoList({QStringLiteral("kontaro-*") + kCopySuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString id = copy.completeBaseName();
        // Taking the lock proves that its program is gone, and keeps another
        // program that starts now from offering the same copy.
        QLockFile lock(Base(id) + kLockSuffix);
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        const QString original = ReadNote(id);
        const QString when = QLocale().toString(copy.lastModified(), QLocale::ShortFormat);
        const QString question =
            original.isEmpty() ? controls::FormatText(texts::AskRecoverUnsaved(), {when})
                               : controls::FormatText(texts::AskRecover(), {QDir::toNativeSeparators(original), when});
        const bool chosen = Prompts().ConfirmYesNo(owner, question) == Answer::Yes;
        if (chosen)
            open(copy.absoluteFilePath());
        RemoveFiles(id);
        if (chosen)
            return true;
    }
    return false;
}

} // namespace kontaro::ui
