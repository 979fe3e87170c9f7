#include "game/ship_select_pictures.hpp"
#include "player/ship_type.hpp"

std::string PreviewPicture(int32_t shipType, int layer)
{
    static constexpr int PictureNumbers[ShipTypeCount] = {1, 2, 4, 5};
    const int number = PictureNumbers[shipType >= 0 && shipType < ShipTypeCount ? shipType : Id(ShipType::MkI)];
    return "GFX/Ship" + std::to_string(number) + "SelectColor" + std::to_string(layer + 1) + ".tga";
}

std::array<std::string, 20> ShipSelectPictures()
{
    std::array<std::string, 20> names = {SelectBackdropPicture, SelectGridPicture, SliderPicture, SliderLitPicture,
                                         ChooseYourFatePicture,  StarSheetPicture,  InterfacePicture,
                                         WeaponPanelPicture};
    size_t next = 8;
    for (int32_t ship = 0; ship < ShipTypeCount; ++ship)
        for (int layer = 0; layer < PreviewLayers; ++layer)
            names[next++] = PreviewPicture(ship, layer);
    return names;
}
