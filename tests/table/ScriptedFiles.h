#pragma once
// A file chooser that answers from a script instead of showing a dialog, and
// keeps every request so a test can check what the dialog would have offered.

#include "table/FileChooser.h"

#include <deque>
#include <string>
#include <vector>

namespace dealmoor::testing {

class ScriptedFiles : public FileChooser {
public:
    // Answers in order; "" is a cancelled dialog, and so is a dialog past the script's end.
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::vector<FileRequest> opened;
    std::vector<FileRequest> saved;

    std::string openFile(QWidget* /*parent*/, const FileRequest& request) override {
        opened.push_back(request);
        return next(openAnswers);
    }
    std::string saveFile(QWidget* /*parent*/, const FileRequest& request) override {
        saved.push_back(request);
        return next(saveAnswers);
    }

private:
    static std::string next(std::deque<std::string>& answers) {
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace dealmoor::testing
