// Handlers of the measuring and dimensioning commands.
#pragma once

namespace vx {

void DimScaleCommand();
void DimScaleNowCommand();
void ArcDimensionCommand();
void DistanceCommand();
void LengthCommand();

}  // namespace vx
