#pragma once

// What the connection and synchronisation dialogs ask of the main frame.
class IEdSyncHost
{
public:
    virtual ~IEdSyncHost() = default;
    virtual bool SendSyncRequest() = 0;
    virtual bool IsDeviceReady() const = 0;
    virtual int GetSyncState() const = 0;
    virtual void ResetSyncState() = 0;
};

class IEdConnectHost
{
public:
    virtual ~IEdConnectHost() = default;
    virtual void EnterDemoMode() = 0;
};
