// make_project large FILE [YEARS] | make_project cafe FILE: writes a generated
// project as the program saves it.
#include "bench/project_generator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const std::string kind = argc > 1 ? argv[1] : "";
    if (argc < 3 || (kind != "large" && kind != "cafe")) {
        std::fprintf(stderr, "usage: make_project large FILE [YEARS] | make_project cafe FILE\n");
        return 2;
    }
    kontaro::model::Project project;
    if (kind == "large")
        kontaro::bench::MakeLargeProject(project, argc > 3 ? std::atoi(argv[3]) : 10);
    else
        kontaro::bench::MakeCafeProject(project);
    const kontaro::model::SaveResult saved = kontaro::model::SaveProjectFile(argv[2], project);
    if (!saved.ok) {
        std::fprintf(stderr, "%s\n", saved.message.c_str());
        return 1;
    }
    return 0;
}
