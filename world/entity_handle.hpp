#pragma once
// A reference to an entity that may be destroyed while the holder still looks at it (a
// homing missile's target, a recorded entity): it resolves to nothing once the entity is
// gone, instead of dangling. An entity hands out handles through a life token it owns; a
// copy of an entity (a clone) starts with a token of its own, so handles never pass to it.
#include <memory>

class Entity;

class LifeToken {
public:
    LifeToken() = default;
    LifeToken(const LifeToken&) {}
    LifeToken& operator=(const LifeToken&) { return *this; }
    ~LifeToken()
    {
        if (self_)
            *self_ = nullptr;
    }

    std::weak_ptr<Entity*> Share(Entity* owner)
    {
        if (!self_)
            self_ = std::make_shared<Entity*>(owner);
        return self_;
    }

private:
    std::shared_ptr<Entity*> self_;
};

class EntityHandle {
public:
    EntityHandle() = default;
    explicit EntityHandle(std::weak_ptr<Entity*> life) : life_(std::move(life)) {}

    // The entity, or null once it has been destroyed (or for an empty handle).
    Entity* Get() const
    {
        const std::shared_ptr<Entity*> self = life_.lock();
        return self ? *self : nullptr;
    }
    explicit operator bool() const { return Get() != nullptr; }
    void Reset() { life_.reset(); }

private:
    std::weak_ptr<Entity*> life_;
};
