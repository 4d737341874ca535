// quarrenby-cli: the terrain engine of Quarrenby on the command line.
#include "cli/CliSupport.h"

#include <clocale>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kHelp =
    "Usage: quarrenby-cli COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  info FILE [--json]          facts of a .3dm, .mem, .sem or .xml file\n"
    "  height FILE LAT LON [--json]\n"
    "                              the grid cell at a point and the height there\n"
    "  refine FILE K OUT.3dm       refine the grid K-fold (K = 2 or 5) and write it\n"
    "  export FILE OUT             write the grid as a .3dm tile, an ASCII grid (.asc, with its\n"
    "                              .prj) or a GeoTIFF (.tif), both in the grid's datum\n"
    "  export FILE OUT.glb|OUT.stl|OUT.obj [SCENE] [--mesh-setting M] [--database DIR]\n"
    "                              write the rendering view's mesh with its walls and bottom,\n"
    "                              in metres: glTF binary, closed binary STL, or OBJ\n"
    "  tilename LAT LON SPACING    the .3dm name of a tile whose south-west point is there\n"
    "  neighbour NAME DX DY        the name of the tile DX cells east and DY cells north\n"
    "  import FILE.xml OUT.3dm     convert one elevation XML file into a tile\n"
    "  convert PATH... [--database DIR] [--json]\n"
    "                              convert the XML of folders, .zip archives and .xml files\n"
    "                              into the database folder (default: the configured one)\n"
    "  assemble [--database DIR] --kind K --west W --east E --south S --north N [--json]\n"
    "                              the tiles of data source K (1-10) in a rectangle\n"
    "  area show FILE.ARE [--json] | area write DIR NAME BASEFILE ACROSS DOWN BASEX BASEY\n"
    "                              read an area file, or write DIR/NAME.ARE\n"
    "  open FILE [--mesh-setting M] [--database DIR] [--out FILE.3dm|.asc|.tif] [--json]\n"
    "                              open a data file or a named area (.ARE) as the viewer does;\n"
    "                              M (0 disc, 1-5 as below) and DIR: where an area's tiles are\n"
    "                              (default: the viewer's settings)\n"
    "  open --mesh-setting M --west W --east E --south S --north N [--database DIR]\n"
    "       [--out FILE.3dm|.asc|.tif] [--json]\n"
    "                              open the tiles of a rectangle: M = 1 10 m, 2 5 m,\n"
    "                              3 5 m on 10 m, 4 1 m, 5 1 m on 5 m on 10 m\n"
    "  places FILE.pln [--grid GRIDFILE] [--json]\n"
    "                              the names of a place file, or those it puts on a grid\n"
    "  render FILE OUT.png|OUT.svg [--size WxH] [--method contour|bands]\n"
    "       [--range C0,R0,C1,R1] [--names] [--mesh-setting M] [--database DIR]\n"
    "                              draw what the 2-D view shows (default 1600x1200);\n"
    "                              M: the tiles an area file names, as for open (0 disc)\n"
    "  globe OUT.png|OUT.svg [--size WxH] [--angle A] [--bent B] [--zoom-index I]\n"
    "       [--kind K] [--database DIR --mesh-setting M] [--data FILE]\n"
    "                              draw the globe of the open-from-map dialog, facing Japan\n"
    "                              (default 1600x1200, the stored globe settings' defaults, the\n"
    "                              japan.GLL delivered beside the program); K: the source kind\n"
    "                              whose mesh cells are drawn; M: outline the stored tiles\n"
    "  view3d FILE OUT.png [--size WxH] [SCENE] [--azimuth A] [--elevation E]\n"
    "       [--distance D] [--light-azimuth A] [--light-elevation E] [--names]\n"
    "       [--mesh-setting M] [--database DIR]\n"
    "                              draw what the rendering view shows, through OpenGL without\n"
    "                              a display (default 1600x1200, 67108864 points, camera 24 units\n"
    "                              at azimuth 90 and elevation 30, light at -45 and -20, scheme 5)\n"
    "  mesh FILE [SCENE] [--mesh-setting M] [--database DIR] [--json]\n"
    "                              what the rendering view builds: the sampling step and\n"
    "                              counts, blocks, vertices, triangles, camera target, extent\n"
    "\n"
    "SCENE options of view3d, mesh and the mesh exports:\n"
    "  --range C0,R0,C1,R1         the grid columns and rows shown (default: all)\n"
    "  --resolution N              the sample budget, 1 to 67108864 (default 67108864)\n"
    "  --exaggeration X            the height exaggeration, 0.1 to 10 (default 1)\n"
    "  --colour-scheme N           the colour scheme 0 to 7 (default 5)\n"
    "\n"
    "Exit status: 0 success, 1 failure, 2 bad usage. Messages go to stderr.\n";

struct Command {
    const char* name;
    int (*run)(const qb::cli::Arguments&);
};

constexpr Command kCommands[] = {
    {"info", qb::cli::RunInfo},
    {"height", qb::cli::RunHeight},
    {"refine", qb::cli::RunRefine},
    {"export", qb::cli::RunExport},
    {"tilename", qb::cli::RunTileName},
    {"neighbour", qb::cli::RunNeighbour},
    {"import", qb::cli::RunImport},
    {"convert", qb::cli::RunConvert},
    {"assemble", qb::cli::RunAssemble},
    {"places", qb::cli::RunPlaces},
    {"area", qb::cli::RunArea},
    {"open", qb::cli::RunOpen},
    {"render", qb::cli::RunRender},
    {"globe", qb::cli::RunGlobe},
    {"mesh", qb::cli::RunMesh},
    {"view3d", qb::cli::RunView3d},
};

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    if (argc < 2)
        return qb::cli::UsageError("no command given");
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kHelp, stdout);
        return qb::cli::kExitOk;
    }
    for (const Command& command : kCommands)
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(qb::cli::SplitArguments(argc, argv, 2));
    return qb::cli::UsageError("unknown command");
}
