#pragma once
// A program folder for window tests: a temporary folder set up as the program's own, with
// the skin service created over it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "../support/TestBook.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "platform/Launcher.h"
#include "screens/u09_Object.h"

namespace guitest {

namespace fs = std::filesystem;

// A launcher that records what it was asked to open.
class TRecordingLauncher : public ILauncher {
public:
    bool StartDetached(const std::string& program, const std::string& argument) override
    {
        Started.push_back(program + " " + argument);
        return true;
    }
    bool OpenHelpPage(const std::string& page) override
    {
        HelpPages.push_back(page);
        return true;
    }
    bool OpenWebAddress(const std::string& address) override
    {
        Addresses.push_back(address);
        return true;
    }
    std::vector<std::string> Started;
    std::vector<std::string> HelpPages;
    std::vector<std::string> Addresses;
};

// The program folder: data/ holds a copy of the book in `bookFolder` (when given), and Pic/
// is `picFolder` (linked) or empty.
class TProgramFolder {
public:
    explicit TProgramFolder(const fs::path& bookFolder = {}, const fs::path& picFolder = {})
    {
        if (!picFolder.empty() && fs::is_directory(picFolder))
            fs::create_directory_symlink(picFolder, Temp.Path / "Pic");
        if (!bookFolder.empty()) {
            fs::create_directories(Temp.Path / "data");
            for (const char* name : {"word.dat", "word.lst", "sens.dat"})
                if (fs::exists(bookFolder / name))
                    fs::copy_file(bookFolder / name, Temp.Path / "data" / name);
        }
        SetLauncher(&Launcher);
        InitEnvironment(Temp.Folder());
        InitConstants();
        CreateStores();
        if (!bookFolder.empty())
            LoadStores();
        Tfrm09_Object::ClearAnswers();
        SkinService = std::make_unique<Tfrm09_Object>();
    }
    ~TProgramFolder()
    {
        SkinService.reset();
        Tfrm09_Object::ClearAnswers();
        SetLauncher(nullptr);
    }

    fs::path Path() const { return Temp.Path; }
    fs::path Pic() const { return Temp.Path / "Pic"; }
    fs::path Data() const { return Temp.Path / "data"; }

    testbook::TTempFolder Temp;
    TRecordingLauncher Launcher;
    std::unique_ptr<Tfrm09_Object> SkinService;
};

// Writes a picture file, creating its folder.
inline void WritePicture(const fs::path& path, const QImage& picture, const char* format = nullptr)
{
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(picture.save(QString::fromStdString(path.string()), format));
}

inline QImage Filled(int width, int height, QColor color, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, format);
    picture.fill(color);
    return picture;
}

// Runs `action` on the modal window once it is open (for code that opens a modal box).
inline void WhenModalOpens(std::function<void(QWidget*)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start();
}

// Writes the window's picture into the screenshot folder; every screen is 800 by 600.
inline void SaveScreenshot(QWidget& window, const QString& name)
{
    QDir().mkpath(VELLORA_SCREENSHOT_DIR);
    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(800, 600)) << name.toStdString();
    ASSERT_TRUE(shot.save(QString(VELLORA_SCREENSHOT_DIR) + "/" + name)) << name.toStdString();
}

}  // namespace guitest
