// The soil menu's commands: each opens its dialog over the document's soil profile section (the
// modified mark follows what a save writes).
#pragma once

namespace qel {

class CQelApp;

// "土層": the layers' bottom depths, unit weights, settlement methods, constants and drainage.
void OnSoilLayers(CQelApp& app);
// "e-log p 曲線": the points of the consolidation tests' e-log p curves.
void OnSoilCurves(CQelApp& app);
// "地下水位・分割・時間": the water table, the unit weight of water, the slices and the times.
void OnSoilConditions(CQelApp& app);
// "施工段階・圧密計算": the fill's construction stages, the loading and consolidation rules, the
// start of secondary compression and the residual period.
void OnSoilStages(CQelApp& app);
// "バーチカルドレーン": the drains' grid, spacing, diameter, smear, discharge capacity and depth.
void OnSoilDrains(CQelApp& app);
// "沈下板の実測値": the plates, their readings and the fits asked of them.
void OnSoilPlates(CQelApp& app);

}  // namespace qel
