// Writes a battle project for the benchmarks: two armies of equal size facing each other
// across the map, each half melee chargers and half archers running the example scripts.
#include "model/ProjectFile.h"
#include "platform/FileError.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

// The script file with CR LF line ends, as the project keeps scripts.
std::string scriptText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw kestrelon::FileError(path, 0, "cannot open the script");
    std::ostringstream s;
    s << in.rdbuf();
    std::string text;
    for (const char c : s.str()) {
        if (c == '\n' && (text.empty() || text.back() != '\r'))
            text += '\r';
        text += c;
    }
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return text;
}

struct Role {
    const char* name;
    const char* figure;
    const char* script;
    const char* attack;
    double speed;
    double range;
    std::int32_t damage;
};

void addType(kestrelon::Project& project, const Role& role, std::int32_t team, double units,
             const std::string& scripts)
{
    const std::int32_t t = project.addType(std::string(team == 1 ? "Red " : "Blue ") + role.name);
    kestrelon::UnitType& type = project.UnitTypes[t];
    type.Proportion = units;
    type.Team = team;
    type.Figure = role.figure;
    type.AttackAnim = role.attack;
    type.MaxSpeed = role.speed;
    type.Range = role.range;
    type.Damage = role.damage;
    type.Maxlife = 100;
    type.Code = scriptText(scripts + "/" + role.script);
    // Army 1 deploys on the left of the map, army 2 on the right; both boxes 200 by 400.
    type.DeployLeft = team == 1 ? 0 : 600;
    type.DeployTop = 0;
    type.DeployWidth = 200;
    type.DeployHeight = 400;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: generate-battle UNITS PROJECT.kst [SCRIPTS-FOLDER]\n";
        return 2;
    }
    const double units = std::atof(argv[1]);
    const std::string scripts = argc > 3 ? argv[3] : KESTRELON_SOURCE_DIR "/examples/scripts";
    const Role charger{"chargers", "knight", "melee-charger.vbs", "strike", 3, 5, 10};
    const Role archer{"archers", "archer", "archer.vbs", "shoot", 2, 60, 6};
    try {
        kestrelon::Project project;
        for (const std::int32_t team : {1, 2}) {
            addType(project, charger, team, units / 4, scripts);
            addType(project, archer, team, units / 4, scripts);
        }
        kestrelon::SaveProject(project, argv[2]);
    } catch (const kestrelon::FileError& error) {
        std::cerr << "generate-battle: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
