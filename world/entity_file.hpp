#pragma once
// The stage entity file "Maps/STAGEn.ENT": the scroll path, four generator lists (each with
// its template entity) and the water rectangles, little-endian, no header. Every count is
// checked against the bytes left before anything is allocated for it; a short or
// inconsistent file fails the load with a log line naming the file.
#include <string>

struct StageWorld;

// The file a stage's entities load from; installed, the player's own edit when there is one.
std::string EntityFilePath(int stageIndex);
// Where the editor saves them: the same file in a build folder; installed, the player's data
// folder (the installation is never written).
std::string EntitySavePath(int stageIndex);

// Reads the file into the world's manipulator list (emptied first), master generator lists
// and water list (both appended to). A file that ends right before the water count has no
// water (the 20 bytes of five zero counts are an empty stage); bytes after the water fail
// the load. Tools that only read the data pass
// loadResources = false: templates then skip LoadResources.
bool LoadEntityFile(StageWorld& world, const std::string& path, bool loadResources = true);
// Writes a temporary file beside `path` and renames it over `path`, so a failed save keeps
// the previous file. Fails for a generator without a template.
bool SaveEntityFile(const StageWorld& world, const std::string& path);
