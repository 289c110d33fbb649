// A front end that records what the shared commands ask of it, with
// answers the test sets beforehand.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/front_end.h"

namespace quorbals::test {

struct FakeHighScoreDialog : HighScoreDialog {
    std::map<std::pair<int, int>, std::string> cells;
    bool nameBoxShown = false;
    int nameBoxLeft = 0;
    int nameBoxTop = 0;
    std::string nameBox;
    std::string typedName;  // what the player types; empty keeps the offered name
    std::string summary;
    int runs = 0;

    void SetCell(int row, int column, const std::string& text) override {
        cells[{row, column}] = text;
    }
    void ShowNameBox(int left, int top, const std::string& name) override {
        nameBoxShown = true;
        nameBoxLeft = left;
        nameBoxTop = top;
        nameBox = name;
    }
    void HideNameBox() override { nameBoxShown = false; }
    void SetSummary(const std::string& text) override { summary = text; }
    std::string RunModal() override {
        ++runs;
        if (!typedName.empty()) {
            nameBox = typedName;
        }
        return nameBox;
    }
    std::string Cell(int row, int column) const {
        const auto it = cells.find({row, column});
        return it == cells.end() ? std::string() : it->second;
    }
};

struct Box {
    BoxKind kind;
    std::string text;
};

class FakeFrontEnd : public FrontEnd {
public:
    void ShowDeskRects(std::span<const PixelRect> rects) override {
        ++deskRepaints;
        shownDeskRects.insert(shownDeskRects.end(), rects.begin(), rects.end());
    }
    void FlushDeskSoon() override { ++flushRequests; }
    void ShowPreview(int slot) override { ++previewRepaints[slot]; }
    void DeskStateChanged() override { ++deskStateChanges; }
    void Announce(const std::string& text) override { announced.push_back(text); }
    void SetScoreText(const std::string& text) override { scoreText = text; }

    bool TimerRunning(AppTimer timer) const override {
        const auto it = timers.find(timer);
        return it != timers.end() && it->second;
    }
    void StartTimer(AppTimer timer) override {
        if (timers[timer]) {
            ++restarts;
        }
        timers[timer] = true;
    }
    void StopTimer(AppTimer timer) override { timers[timer] = false; }

    ScreenRect PrimaryScreen() const override { return screen; }
    ScreenRect OuterRect() const override { return outer; }
    void SetClientSize(int width, int height) override {
        outer.width = width + frameExtra.width;
        outer.height = height + frameExtra.height;
    }
    void MoveWindow(int left, int top) override {
        outer.x = left;
        outer.y = top;
    }
    void CloseMainWindow() override { ++closes; }

    bool SoundChecked() const override { return sound; }
    void SetSoundChecked(bool on) override { sound = on; }
    void PlayWave(const char* name) override { waves.emplace_back(name); }

    bool ShowBox(BoxKind kind, const std::string& text) override {
        boxes.push_back({kind, text});
        if (boxAnswers.empty()) {
            return true;
        }
        const bool answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> AskSavePath(const std::string& folder,
                                           const std::string& fileName) override {
        offered.push_back(folder + "|" + fileName);
        return NextPath();
    }
    std::optional<std::string> AskLoadPath(const std::string& folder,
                                           const std::string& fileName) override {
        offered.push_back(folder + "|" + fileName);
        return NextPath();
    }
    std::string DocumentsFolder() const override { return documents; }
    HighScoreDialog* HighScores() override { return hiscores; }
    void ShowAbout() override { ++abouts; }
    void ShowHelp(const std::string& helpFile) override { helpShown.push_back(helpFile); }
    void OpenWebAddress(const char* url) override { opened.emplace_back(url); }
    void ExitNow(int status) override { exitStatus = status; }

    std::vector<std::string> Errors() const {
        std::vector<std::string> out;
        for (const Box& b : boxes) {
            if (b.kind == BoxKind::Error) {
                out.push_back(b.text);
            }
        }
        return out;
    }

    int deskRepaints = 0;
    std::vector<PixelRect> shownDeskRects;
    int flushRequests = 0;
    std::map<int, int> previewRepaints;
    int deskStateChanges = 0;
    std::vector<std::string> announced;
    std::string scoreText;
    std::map<AppTimer, bool> timers;
    int restarts = 0;
    ScreenRect screen{0, 0, 1024, 768};
    ScreenRect outer{0, 0, 0, 0};
    ScreenRect frameExtra{0, 0, 8, 49};  // frame, caption and menu bar
    int closes = 0;
    bool sound = false;
    std::vector<std::string> waves;
    std::vector<Box> boxes;
    std::deque<bool> boxAnswers;
    std::deque<std::optional<std::string>> paths;  // the dialogs' answers
    std::vector<std::string> offered;              // "folder|name" for each dialog
    std::string documents = "Documents";
    HighScoreDialog* hiscores = nullptr;
    int abouts = 0;
    std::vector<std::string> helpShown;
    std::vector<std::string> opened;
    std::optional<int> exitStatus;

private:
    std::optional<std::string> NextPath() {
        if (paths.empty()) {
            return std::nullopt;
        }
        auto p = paths.front();
        paths.pop_front();
        return p;
    }
};

}  // namespace quorbals::test
