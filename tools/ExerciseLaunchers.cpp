#include "tools/ExerciseLaunchers.h"

namespace qimbel {

const std::vector<ExerciseLauncher> &ExerciseLaunchers()
{
    static const std::vector<ExerciseLauncher> launchers = {
        {1218, "口算练习生成器", "KaoShi/KouSuan/kousuan"},
        {1217, "小学数学四则运算自动出题系统", "KaoShi/ChuTi/chuti"},
    };
    return launchers;
}

std::string LauncherProgramPath(const std::string &folder, const ExerciseLauncher &launcher)
{
    return folder + "/" + launcher.program;
}

std::string MissingProgramMessage(const ExerciseLauncher &launcher, const std::string &path)
{
    return "找不到“" + launcher.caption + "”的程序：\r\n" + path + "\r\n请检查 Qimbel 是否完整安装。";
}

std::string FailedProgramMessage(const ExerciseLauncher &launcher, const std::string &path)
{
    return "“" + launcher.caption + "”没能启动：\r\n" + path + "\r\n请检查这个程序能否运行。";
}

} // namespace qimbel
