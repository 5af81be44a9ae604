#pragma once
// A folder beneath high/.
int Low();
