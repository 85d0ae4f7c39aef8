#pragma once
// What the listening, spelling and sentence test windows are tested with: a small book in
// memory whose words and sentences show the edge cases, a sound player that records what it
// was asked to play, and helpers that drive a test run as the learner does.
#include <QApplication>
#include <algorithm>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "engine/u06_TestBase.h"
#include "platform/MediaPlayer.h"
#include "results/u03_ResultChinese.h"
#include "results/u03_ResultEnglish.h"
#include "results/u05_ResultBase.h"
#include "widgets/ImageButton.h"

namespace kindstest {

namespace fs = std::filesystem;

// What every player of the process was asked to play, file by file.
inline std::vector<std::string>& PlayedFiles()
{
    static std::vector<std::string> played;
    return played;
}

// Opens only files that exist, as the real player does, and records each play.
class TRecordingPlayer : public IMediaPlayer {
public:
    void SetFileName(const std::string& fileName) override { FFileName = fileName; }
    std::string FileName() const override { return FFileName; }
    bool Open() override
    {
        FOpened = fs::is_regular_file(FFileName);
        return FOpened;
    }
    void Play() override
    {
        if (FOpened)
            PlayedFiles().push_back(FFileName);
    }
    void Stop() override {}
    void Close() override { FOpened = false; }

private:
    std::string FFileName;
    bool FOpened = false;
};

struct TWordRow {
    const char* English;
    const char* Chinese;
    const char* Phonetic;
    const char* Sound;
};

struct TSentenceRow {
    int WordNumber;
    const char* English;
    const char* Chinese;
    const char* Target;
    const char* Sound;
};

// Words in book order; word 3 is stored with two forms joined by a slash.
inline const std::vector<TWordRow>& BookWords()
{
    static const std::vector<TWordRow> words = {
        {"apple", "n. 苹果", "ˈæpəl", "apple.mp3"},
        {"bread", "n. 面包", "bred", "bread.mp3"},
        {"colour/color", "n. 颜色", "ˈkʌlə", "colour.mp3"},
        {"dinner", "n. 晚饭", "ˈdɪnə", "dinner.mp3"},
        {"egg", "n. 鸡蛋", "eɡ", "egg.mp3"},
        {"run", "v. 跑", "rʌn", "run.mp3"},
    };
    return words;
}

// Sentences in word order, as the book keeps them. Sentence 1 holds its target only with a
// capital letter; sentence 3 holds its target twice.
inline const std::vector<TSentenceRow>& BookSentences()
{
    static const std::vector<TSentenceRow> sentences = {
        {2, "Bread is on the table.", "面包在桌上。", "bread", "s1.mp3"},
        {4, "We had dinner at six.", "我们六点吃晚饭。", "dinner", "s2.mp3"},
        {6, "She kept running, and running made her happy.", "她一直跑，跑步让她快乐。", "running", "s3.mp3"},
    };
    return sentences;
}

// The program folder of a window test, its stores filled with the book above: one Word List
// of every word, the sentence runs rebuilt, and a sound file for each word and sentence
// except where `missingSounds` names it. The two shared result windows are made.
class TKindsFolder {
public:
    explicit TKindsFolder(const std::vector<std::string>& missingSounds = {})
    {
        for (const TWordRow& row : BookWords()) {
            TWordItem word;
            word.WriteString("E", row.English);
            word.WriteString("C", row.Chinese);
            word.WriteString("P", row.Phonetic);
            word.WriteString("TFN", row.Sound);
            gWordPackage->AddItem(word);
        }
        for (const TSentenceRow& row : BookSentences()) {
            TSentenceItem sentence;
            sentence.WriteInteger("WID", row.WordNumber);
            sentence.WriteInteger("MIDX", gSentenceList->Count() + 1);
            sentence.WriteString("ESEN", row.English);
            sentence.WriteString("CSEN", row.Chinese);
            sentence.WriteString("TE", row.Target);
            sentence.WriteString("TFN", row.Sound);
            gSentenceList->AddItem(sentence);
        }
        testbook::AddWordList(*gWordList, 1, gWordPackage->Count());
        gWordSenCross->Build(*gSentenceList);
        BuildWordListSen();
        gWordNoteBooks->ResetDefaults(*gWordPackage);
        gSentenceNoteBooks->ResetDefaults(*gSentenceList);

        auto writeSound = [&](const fs::path& path) {
            if (std::find(missingSounds.begin(), missingSounds.end(), path.filename().string()) != missingSounds.end())
                return;
            fs::create_directories(path.parent_path());
            testbook::WriteFile(path, "sound");
        };
        for (const TWordRow& row : BookWords())
            writeSound(Sound() / "word" / row.Sound);
        for (const TSentenceRow& row : BookSentences())
            writeSound(Sound() / "sentence" / row.Sound);
        writeSound(Sound() / "AnswerOK.mp3");
        writeSound(Sound() / "AnswerErr.mp3");

        PlayedFiles().clear();
        SetMediaPlayerFactory([] { return std::make_unique<TRecordingPlayer>(); });
        frm03_ResultChinese = &ResultChinese;
        frm03_ResultEnglish = &ResultEnglish;
    }
    ~TKindsFolder()
    {
        frm03_ResultChinese = nullptr;
        frm03_ResultEnglish = nullptr;
        SetMediaPlayerFactory({});
        PlayedFiles().clear();
    }

    fs::path Sound() const { return fs::path(gSoundPath); }

    guitest::TProgramFolder Folder{{}, fs::path(VELLORA_APP_DIR) / "Pic"};
    Tfrm03_ResultChinese ResultChinese;
    Tfrm03_ResultEnglish ResultEnglish;
};

// The file name of each sound played since the last call, without its folder.
inline std::vector<std::string> TakePlayed()
{
    std::vector<std::string> names;
    for (const std::string& file : PlayedFiles())
        names.push_back((fs::path(file).parent_path().filename() / fs::path(file).filename()).string());
    PlayedFiles().clear();
    return names;
}

// Clicks a check box or radio button on its mark, where a click always lands.
inline void ClickMark(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
}

// Runs `steps` while the window's run is open, then leaves the window, as its exit button does.
inline void RunInside(Tfrm06_TestBase& window, int scope, int testType, std::function<void()> steps)
{
    QTimer::singleShot(0, &window, [&window, steps] {
        steps();
        window.close();
    });
    window.RunTest(scope, testType);
}

// Every result window that opens from now on runs `inspect` and is closed, until the returned
// object is destroyed.
class TResultCloser {
public:
    explicit TResultCloser(std::function<void(Tfrm05_ResultBase*)> inspect = {}) : FInspect(std::move(inspect))
    {
        QObject::connect(&FPoll, &QTimer::timeout, [this] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* result = qobject_cast<Tfrm05_ResultBase*>(top); result && result->isVisible()) {
                    Shown.push_back(result);
                    if (FInspect)
                        FInspect(result);
                    result->close();
                }
        });
        FPoll.start(5);
    }
    std::vector<Tfrm05_ResultBase*> Shown;

private:
    std::function<void(Tfrm05_ResultBase*)> FInspect;
    QTimer FPoll;
};

}  // namespace kindstest
