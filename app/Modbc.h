#pragma once

// Start-up module that registers the program's data source.
namespace Modbc {

// Registers the user data source "myddc" over "myd.mdb" of the application folder. Runs at every start, before
// any window exists; a failure is reported once in the "错误" box and the program goes on.
void RegisterDsn();

}  // namespace Modbc
