// The number legend closed and shown again from "Ansicht".
#pragma once

class TRMMainForm;

// The frame's handler and rules of the number legend's command.
void RegisterNumberLegendCommand(TRMMainForm& frame);
