#pragma once
// A started stage's generators: per-layer queues copied from the master lists, moved to the
// active list when the clock reaches their time index, stepped once per tick.
#include <cstdint>
#include <deque>

struct Generator;
struct StageWorld;

// Fills every queue from its master list and applies the restart rule for a start at
// `startTime`: generators already due are dropped, except those whose template keeps on
// restart and whose probe copy is inside its activation window at the start camera.
void QueueGenerators(StageWorld& world, uint32_t startTime);
// Moves the due front of one layer's queue to the active list. Only the front is examined.
void ActivateDue(StageWorld& world, std::deque<Generator>& queue, uint32_t timeIndex);
// ActivateDue for layers 1..4, in that order.
void ActivateAllDue(StageWorld& world, uint32_t timeIndex);
// StepGenerator on every active generator in order; finished ones leave the list.
void RunGenerators(StageWorld& world);
