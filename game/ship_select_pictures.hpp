#pragma once
// The pictures of the ship selection screen, named once: loaded when the screen is entered,
// let go when the title or play takes over.
#include <array>
#include <cstdint>
#include <string>

inline constexpr const char* SelectBackdropPicture = "GFX/Splash2.png";
inline constexpr const char* SelectGridPicture = "GFX/Grid.png";
inline constexpr const char* SliderPicture = "GFX/Slider.png";
inline constexpr const char* SliderLitPicture = "GFX/SliderLit.png";
inline constexpr const char* ChooseYourFatePicture = "GFX/ChooseYourFate.png";
// 256 x 32: eight star sprites of 32 x 32, small and dim to large and bright.
inline constexpr const char* StarSheetPicture = "GFX/StarSheet.png";
inline constexpr int StarCells = 8;
inline constexpr const char* InterfacePicture = "GFX/UI.png";
// 256 x 256, 4 x 4 cells of 64: row 0 the missiles (homing, air-to-ground, cluster), row 1
// the gun pod types, row 2 the orb pod types, each in type order; the rest is free.
inline constexpr const char* WeaponPanelPicture = "GFX/WeaponSelectionUI.png";
inline constexpr int WeaponPanelColumns = 4;

inline constexpr int PreviewLayers = 3;
// The layer (0 primary, 1 secondary, 2 cockpit) of a ship's preview: "GFX/Ship1SelectColor1.tga"
// for the Mk I's primary; the ship types use pictures 1, 2, 4 and 5.
std::string PreviewPicture(int32_t shipType, int layer);

// Every picture the screen needs, previews of all four ships included.
std::array<std::string, 20> ShipSelectPictures();
