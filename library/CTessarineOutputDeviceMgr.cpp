#include "CTessarineOutputDeviceMgr.h"

#include "CTessarineMidiKeyboard.h"

CTessarineOutputDeviceMgr::~CTessarineOutputDeviceMgr()
{
    m_open = 0;
    if (m_pDevice) {
        try {
            m_pDevice->Close();
        } catch (const CTessarineException&) {
            // The device's destructor closes the port without retries.
        }
        m_pDevice.reset();
    }
}

void CTessarineOutputDeviceMgr::OpenOutput(std::int32_t deviceId)
{
    m_outputDeviceId = deviceId;
    if (m_pDevice) {
        m_open = 0;
        m_pDevice->Close();
        m_pDevice.reset();
    }
    m_pDevice = std::make_unique<CTessarineMidiKeyboard>();
    m_pDevice->SetParam(0, deviceId, 0);
    m_pDevice->SetParam(1, reinterpret_cast<std::intptr_t>(&m_target), 0);
    m_pDevice->Open();
    m_open = 1;
}

void CTessarineOutputDeviceMgr::CloseOutput()
{
    m_open = 0;
    if (m_pDevice) {
        m_pDevice->Close();
        m_pDevice.reset();
    }
}

void CTessarineOutputDeviceMgr::SendShortMsg(std::uint32_t message)
{
    if (m_pDevice && IsOpen())
        m_pDevice->ShortMsg(message);
}

void CTessarineOutputDeviceMgr::SendShortMsgList(const std::vector<std::uint32_t>& list)
{
    if (m_pDevice && IsOpen())
        m_pDevice->ShortMsgList(list);
}

void CTessarineOutputDeviceMgr::SendLongMsg(const std::uint8_t* data, std::uint32_t length)
{
    if (m_pDevice && IsOpen())
        m_pDevice->LongMsg(data, length);
}

void CTessarineOutputDeviceMgr::OnTimerTick(std::uint32_t, std::uintptr_t)
{
}
