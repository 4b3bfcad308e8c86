// A library named like the skin engine that lacks SkinH_AttachEx, as a damaged or foreign
// SkinH_VB6.dll would.
extern "C" __declspec(dllexport) int __stdcall SkinH_Detach() { return 0; }
