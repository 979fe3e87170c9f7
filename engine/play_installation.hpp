#pragma once
// The play context the engine gives the world and the actors in it, with the host that carries
// out their game-flow steps, and the entity registry as the world's factory: installed for the
// engine's life.
#include <memory>

class Engine;
class PlayHost;
struct PlayContext;

class PlayInstallation {
public:
    explicit PlayInstallation(Engine& engine);
    ~PlayInstallation();
    PlayInstallation(const PlayInstallation&) = delete;
    PlayInstallation& operator=(const PlayInstallation&) = delete;

private:
    std::unique_ptr<PlayHost> host_;
    std::unique_ptr<PlayContext> context_;
};
