#pragma once
// A test double of the window's prompts: questions and file dialogs are answered
// from scripts queued by the test, warnings and questions are recorded. A prompt
// that the test did not script fails the test and answers as cautiously as
// possible (No, Cancel, no file), so an unexpected dialog never blocks a test.
// Installs itself for its lifetime.
#include "ui/user_prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <gtest/gtest.h>
#include <optional>

namespace kontaro::test {

class ScriptedPrompts final : public ui::UserPrompts {
public:
    ScriptedPrompts() { ui::SetPrompts(this); }
    ~ScriptedPrompts() override { ui::SetPrompts(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // Scripts.
    void AnswerNext(ui::Answer answer) { answers_.push_back(answer); }
    void ChooseFile(const QString& path) { files_.emplace_back(path); }
    void CancelFileDialog() { files_.emplace_back(std::nullopt); }

    // Records.
    QStringList warnings;
    QStringList questions;
    QList<ui::FileDialogOptions> fileDialogs;

    bool AllScriptsUsed() const { return answers_.empty() && files_.empty(); }

    void Warning(QWidget*, const QString& text) override { warnings << text; }
    ui::Answer ConfirmYesNo(QWidget*, const QString& text) override
    {
        questions << text;
        return NextAnswer(ui::Answer::No);
    }
    ui::Answer ConfirmYesNoCancel(QWidget*, const QString& text) override
    {
        questions << text;
        return NextAnswer(ui::Answer::Cancel);
    }
    std::optional<QString> OpenFileName(QWidget*, const ui::FileDialogOptions& options) override
    {
        fileDialogs << options;
        return NextFile();
    }
    std::optional<QString> SaveFileName(QWidget*, const ui::FileDialogOptions& options) override
    {
        fileDialogs << options;
        return NextFile();
    }

private:
    ui::Answer NextAnswer(ui::Answer cautious)
    {
        if (answers_.empty()) {
            ADD_FAILURE() << "unscripted question: " << questions.constLast().toStdString();
            return cautious;
        }
        const ui::Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::optional<QString> NextFile()
    {
        if (files_.empty()) {
            ADD_FAILURE() << "unscripted file dialog";
            return std::nullopt;
        }
        // The path is copied out, not the optional: GCC 12 takes a copy of an empty
        // optional<QString> for uninitialised memory in optimised builds.
        const bool cancelled = !files_.front();
        const QString file = cancelled ? QString() : *files_.front();
        files_.pop_front();
        if (cancelled)
            return std::nullopt;
        return file;
    }

    std::deque<ui::Answer> answers_;
    std::deque<std::optional<QString>> files_;
};

} // namespace kontaro::test
