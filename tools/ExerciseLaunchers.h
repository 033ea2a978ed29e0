// The two exercise-generator programs of the tab 自动出卷及测试: their captions and where they
// are installed (installation folder + KaoShi/ + sub-folder + file name).
#pragma once

#include <string>
#include <vector>

namespace qimbel {

struct ExerciseLauncher {
    int id; // the button's control id
    std::string caption; // GBK
    std::string program; // below the installation folder: "KaoShi/KouSuan/kousuan"
};

// 口算练习生成器 (1218) and 小学数学四则运算自动出题系统 (1217), in the order of the page.
const std::vector<ExerciseLauncher> &ExerciseLaunchers();

// The full path of a launcher's program below an installation folder.
std::string LauncherProgramPath(const std::string &folder, const ExerciseLauncher &launcher);

// The message for a program that is not there (GBK): it names the program and where it was looked for.
std::string MissingProgramMessage(const ExerciseLauncher &launcher, const std::string &path);
// The message for a program that is there but would not start (GBK).
std::string FailedProgramMessage(const ExerciseLauncher &launcher, const std::string &path);

} // namespace qimbel
