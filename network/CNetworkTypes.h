#pragma once

// The network script types made known to the script core: the runners of NETSERVER and
// NETCLIENT, and the INTERNET objects with their runner. The player and the test fixtures call it
// before the engine host builds a game (the runner factory makes its runners then); calling it
// again changes nothing.
class CNetworkTypes {
public:
    static void registerAll();
};
