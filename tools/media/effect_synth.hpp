#pragma once
// Renders an effect recipe to mono samples at the recipe's rate, peak-normalised.
#include <vector>

#include "tools/media/effect_recipe.hpp"

// A looping effect's last sample runs into its first without a step: the tail past the end
// is cross-faded into the beginning.
std::vector<float> SynthesiseEffect(const EffectRecipe& recipe);
