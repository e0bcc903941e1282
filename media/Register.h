// Makes the media layer's components known to the window-description reader.
#pragma once

void RegisterMediaComponents();
