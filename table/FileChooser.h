#pragma once
// The file dialogs of the table's commands, behind one small interface so a
// command can be driven without a real dialog. A filter is written the classic
// way, "Description|*.EXT"; the extension matches whatever the case of a file
// name, since card and sound files come in both.

#include <string>

class QWidget;

namespace dealmoor {

struct FileRequest {
    std::string filter;   // "Strategy Cards|*.STC"
    std::string folder;   // where the dialog starts; "" for the platform's default
    std::string fileName; // the name proposed, without its folder
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path of an existing file the user picked; "" when cancelled.
    virtual std::string openFile(QWidget* parent, const FileRequest& request) = 0;
    // The full path the user chose to write to; "" when cancelled.
    virtual std::string saveFile(QWidget* parent, const FileRequest& request) = 0;
};

// The real dialogs (QFileDialog). Saving adds the filter's extension to a
// name typed without one and asks before replacing an existing file.
class DialogFileChooser : public FileChooser {
public:
    std::string openFile(QWidget* parent, const FileRequest& request) override;
    std::string saveFile(QWidget* parent, const FileRequest& request) override;
};

// "Strategy Cards|*.STC" as the dialogs write it: "Strategy Cards (*.STC *.stc)".
std::string DialogNameFilter(const std::string& filter);

// The folder part of a path, with its trailing "/"; "" for a bare name.
std::string FolderOf(const std::string& path);
// The name part of a path, without its folder.
std::string FileNameOf(const std::string& path);

} // namespace dealmoor
