// The file search window: a search text and the kinds of file in a first
// phase, then the hits, name beside directory, with one scroll bar for both.
// The accepted hit is left in the module's SearchResult.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace qv {
struct FileSearch;
}

namespace qv::ui {

class SearchForm : public QDialog {
    Q_OBJECT
public:
    /// Lays itself out for SearchMode: 2 programs only, 3 drawings and/or programs.
    explicit SearchForm(QWidget* parent = nullptr);

    /// Opens nothing for a mode other than 2 or 3.
    int exec() override;
    /// Closing resets SearchMode to 0.
    void done(int result) override;

    /// Rows the result lists show at once.
    static constexpr int VisibleRows = 20;

    // Criteria phase.
    QGroupBox* CriteriaFrame = nullptr;
    QLineEdit* CriteriaBox = nullptr;
    std::array<QLabel*, 2> CriteriaLabel{};  // "Search Text", "File Types" (over the kind boxes)
    QGroupBox* CheckFrame = nullptr;
    std::array<QCheckBox*, 3> FileCheck{};  // [1] "Drawings", [2] "Programs"
    QPushButton* CriteriaOk = nullptr;
    QPushButton* CriteriaCncl = nullptr;

    // Results phase.
    QGroupBox* SearchFrame = nullptr;
    std::array<QListWidget*, 3> SearchList{};  // [1] file names, [2] directories
    QScrollBar* SearchBar = nullptr;
    std::array<QLabel*, 3> SearchLabel{};  // [0] kind, [1] "File Name" heading, [2] the search text
    QLabel* DirectoryHeading = nullptr;
    QLabel* NotSearchedLabel = nullptr;  // directories that could not be read
    QPushButton* SearchOk = nullptr;
    QPushButton* SearchCncl = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createCriteria();
    void createResults();
    int kind() const;
    void criteriaOk();
    void showResults(const FileSearch& found, const std::string& text, int kind);
    void rowChosen(int list, int row);
    void searchOk();

    bool inStep_ = false;  // one list follows the other without echo
};

}  // namespace qv::ui
