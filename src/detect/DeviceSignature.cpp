// The program-wide detection record: see DeviceSignature.h.
#include "detect/DeviceSignature.h"

DeviceSignature deviceSignature;
int detectionMode = kChipMode;

bool ChipFound(const DeviceSignature& signature) {
  return signature.vendorId == kMakerVendorId && signature.deviceId == kChipDeviceId;
}

bool SignatureValid(const DeviceSignature& signature) {
  return signature.vendorId != 0 && signature.deviceId != 0 && signature.signatureWord1 == kSignatureWord1 &&
         (signature.signatureWord2 == kSignatureWord2 || signature.signatureWord2 == kSignatureWord2ChipInCodecMode);
}
