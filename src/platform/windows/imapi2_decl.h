// The part of Image Mastering API v2 that the backend calls.
//
// The Windows SDK ships these interfaces in <imapi2.h>; MinGW-w64 (10.0) does
// not, so for every other compiler they are declared here from Microsoft's
// published interface descriptions. The order of the methods is the order of
// the published type metadata, not the alphabetical order of the reference
// pages: a COM call goes through a vtable slot, and one missing or misplaced
// method would send every later call to the wrong function. Methods the
// backend never calls are still declared, for the same reason.
//
// The identifiers below are our own constants so that the same code links
// with either set of declarations.
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <objidl.h>

#if defined(_MSC_VER)

#include <imapi2.h>
#include <imapi2error.h>

#else

typedef enum IMAPI_FORMAT2_DATA_MEDIA_STATE {
    IMAPI_FORMAT2_DATA_MEDIA_STATE_UNKNOWN = 0,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_OVERWRITE_ONLY = 0x1,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_BLANK = 0x2,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_APPENDABLE = 0x4,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_FINAL_SESSION = 0x8,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_DAMAGED = 0x400,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_ERASE_REQUIRED = 0x800,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_NON_EMPTY_SESSION = 0x1000,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_WRITE_PROTECTED = 0x2000,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_FINALIZED = 0x4000,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_UNSUPPORTED_MEDIA = 0x8000
} IMAPI_FORMAT2_DATA_MEDIA_STATE;

typedef enum IMAPI_FORMAT2_DATA_WRITE_ACTION {
    IMAPI_FORMAT2_DATA_WRITE_ACTION_VALIDATING_MEDIA = 0,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_FORMATTING_MEDIA = 1,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_INITIALIZING_HARDWARE = 2,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_CALIBRATING_POWER = 3,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_WRITING_DATA = 4,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_FINALIZATION = 5,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_COMPLETED = 6,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_VERIFYING = 7
} IMAPI_FORMAT2_DATA_WRITE_ACTION;

typedef enum IMAPI_BURN_VERIFICATION_LEVEL {
    IMAPI_BURN_VERIFICATION_NONE = 0,
    IMAPI_BURN_VERIFICATION_QUICK = 1,
    IMAPI_BURN_VERIFICATION_FULL = 2
} IMAPI_BURN_VERIFICATION_LEVEL;

// Only the types of these appear in the interfaces below.
typedef enum IMAPI_MEDIA_WRITE_PROTECT_STATE {
    IMAPI_WRITEPROTECTED_UNTIL_POWERDOWN = 0x1
} IMAPI_MEDIA_WRITE_PROTECT_STATE;
typedef enum IMAPI_MEDIA_PHYSICAL_TYPE { IMAPI_MEDIA_TYPE_UNKNOWN = 0 } IMAPI_MEDIA_PHYSICAL_TYPE;

struct IDiscMaster2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT **ppunk) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(LONG index, BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSupportedEnvironment(VARIANT_BOOL *value) = 0;
};

struct IDiscRecorder2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE EjectMedia() = 0;
    virtual HRESULT STDMETHODCALLTYPE CloseTray() = 0;
    virtual HRESULT STDMETHODCALLTYPE AcquireExclusiveAccess(VARIANT_BOOL force, BSTR clientName) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReleaseExclusiveAccess() = 0;
    virtual HRESULT STDMETHODCALLTYPE DisableMcn() = 0;
    virtual HRESULT STDMETHODCALLTYPE EnableMcn() = 0;
    virtual HRESULT STDMETHODCALLTYPE InitializeDiscRecorder(BSTR recorderUniqueId) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ActiveDiscRecorder(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VendorId(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ProductId(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ProductRevision(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VolumeName(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VolumePathNames(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DeviceCanLoadMedia(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LegacyDeviceNumber(LONG *legacyDeviceNumber) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedFeaturePages(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentFeaturePages(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedProfiles(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentProfiles(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedModePages(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ExclusiveAccessOwner(BSTR *value) = 0;
};

struct IDiscFormat2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE IsRecorderSupported(IDiscRecorder2 *recorder, VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsCurrentMediaSupported(IDiscRecorder2 *recorder, VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MediaPhysicallyBlank(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MediaHeuristicallyBlank(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedMediaTypes(SAFEARRAY **value) = 0;
};

struct IDiscFormat2Data : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2 *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2 **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BufferUnderrunFreeDisabled(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BufferUnderrunFreeDisabled(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PostgapAlreadyInImage(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_PostgapAlreadyInImage(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentMediaStatus(IMAPI_FORMAT2_DATA_MEDIA_STATE *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WriteProtectStatus(IMAPI_MEDIA_WRITE_PROTECT_STATE *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TotalSectorsOnMedia(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FreeSectorsOnMedia(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NextWritableAddress(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_StartAddressOfPreviousSession(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenAddressOfPreviousSession(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ForceMediaToBeClosed(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ForceMediaToBeClosed(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RequestedWriteSpeed(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentWriteSpeed(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeeds(SAFEARRAY **supportedSpeeds) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeedDescriptors(SAFEARRAY **supportedSpeedDescriptors) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ForceOverwrite(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ForceOverwrite(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MultisessionInterfaces(SAFEARRAY **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE Write(IStream *data) = 0;
    virtual HRESULT STDMETHODCALLTYPE CancelWrite() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetWriteSpeed(LONG requestedSectorsPerSecond,
                                                    VARIANT_BOOL rotationTypeIsPureCAV) = 0;
};

struct IWriteEngine2EventArgs : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_StartLba(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SectorCount(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastReadLba(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenLba(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TotalSystemBuffer(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UsedSystemBuffer(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FreeSystemBuffer(LONG *value) = 0;
};

struct IDiscFormat2DataEventArgs : public IWriteEngine2EventArgs {
    virtual HRESULT STDMETHODCALLTYPE get_ElapsedTime(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RemainingTime(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TotalTime(LONG *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentAction(IMAPI_FORMAT2_DATA_WRITE_ACTION *value) = 0;
};

// The data writer's outgoing event interface. It is declared on IDispatch
// with Update in the first slot after Invoke, so a source may call it either
// way: through the vtable or through Invoke with the event's DISPID.
struct DDiscFormat2DataEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Update(IDispatch *object, IDispatch *progress) = 0;
};

// The eraser: a blank of CD-RW and sequential DVD-RW, reporting elapsed and
// estimated seconds through its own event interface.
struct IDiscFormat2Erase : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2 *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2 **value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_FullErase(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FullErase(VARIANT_BOOL *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE EraseMedia() = 0;
};

struct DDiscFormat2EraseEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Update(IDispatch *object, LONG elapsedSeconds, LONG estimatedTotalSeconds) = 0;
};

struct IBurnVerification : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL *value) = 0;
};

#endif

namespace pelimor::imapi2 {

// The coclasses created by name ("IMAPI2.MsftDiscMaster2" and so on).
inline constexpr GUID clsidDiscMaster2 = {0x2735412E, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID clsidDiscRecorder2 = {
    0x2735412D, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID clsidDiscFormat2Data = {
    0x2735412A, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};

inline constexpr GUID clsidDiscFormat2Erase = {
    0x2735412B, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};

inline constexpr GUID iidDiscMaster2 = {0x27354130, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidDiscRecorder2 = {0x27354133, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidDiscFormat2Data = {
    0x27354153, 0x9F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidWriteEngine2EventArgs = {
    0x27354136, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidDiscFormat2DataEventArgs = {
    0x2735413D, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidDiscFormat2DataEvents = {
    0x2735413C, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidDiscFormat2Erase = {
    0x27354156, 0x8F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidDiscFormat2EraseEvents = {
    0x2735413A, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr GUID iidBurnVerification = {
    0xD2FFD834, 0x958B, 0x426D, {0x84, 0x70, 0x2A, 0x13, 0x87, 0x9C, 0x6A, 0x91}};

// DDiscFormat2DataEvents::Update and DDiscFormat2EraseEvents::Update.
inline constexpr DISPID dispidDataWriterUpdate = 0x200;
inline constexpr DISPID dispidEraseUpdate = 0x200;

// IMAPI_MEDIA_PHYSICAL_TYPE values of the discs a blank makes new again.
inline constexpr int mediaTypeCdRw = 3;
inline constexpr int mediaTypeDvdDashRw = 10;

} // namespace pelimor::imapi2
