#include "table/FileChooser.h"

#include "table/FilePaths.h"

#include <QFileDialog>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

namespace dealmoor {

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string raised(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::vector<std::string> patternsOf(const std::string& filter) {
    const std::size_t bar = filter.find('|');
    std::istringstream list(bar == std::string::npos ? filter : filter.substr(bar + 1));
    std::vector<std::string> patterns;
    std::string pattern;
    while (std::getline(list, pattern, ';')) {
        if (!pattern.empty())
            patterns.push_back(pattern);
    }
    return patterns;
}

// "stc" for a filter of "*.STC": the extension a typed name gets.
QString defaultSuffix(const std::string& filter) {
    const std::vector<std::string> patterns = patternsOf(filter);
    if (patterns.empty())
        return {};
    const std::size_t dot = patterns.front().rfind('.');
    if (dot == std::string::npos)
        return {};
    return QString::fromStdString(lowered(patterns.front().substr(dot + 1)));
}

void prepare(QFileDialog& dialog, const FileRequest& request) {
    dialog.setNameFilter(QString::fromStdString(DialogNameFilter(request.filter)));
    if (!request.folder.empty())
        dialog.setDirectory(QtPath(request.folder));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
}

std::string chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return FileSystemPath(dialog.selectedFiles().constFirst());
}

} // namespace

std::string DialogFileChooser::openFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    return chosenPath(dialog);
}

std::string DialogFileChooser::saveFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix(request.filter));
    prepare(dialog, request);
    return chosenPath(dialog);
}

std::string DialogNameFilter(const std::string& filter) {
    const std::size_t bar = filter.find('|');
    std::string text = bar == std::string::npos ? std::string() : filter.substr(0, bar);
    std::vector<std::string> shown;
    for (const std::string& pattern : patternsOf(filter)) {
        for (const std::string& variant : {pattern, raised(pattern), lowered(pattern)}) {
            if (std::find(shown.begin(), shown.end(), variant) == shown.end())
                shown.push_back(variant);
        }
    }
    std::string patterns;
    for (const std::string& pattern : shown)
        patterns += (patterns.empty() ? "" : " ") + pattern;
    return text.empty() ? patterns : text + " (" + patterns + ")";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace dealmoor
