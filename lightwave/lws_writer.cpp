#include "lightwave/lws_writer.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "lightwave/lwo2_writer.h"
#include "lightwave/lws_object_names.h"
#include "lightwave/lws_working_scene.h"
#include "passes/hierarchy.h"
#include "platform/platform.h"

namespace {

// The scene text, built in memory with CR LF line ends and written in one go.
class SceneText {
public:
    void line(const char* text) {
        text_ += text;
        text_ += "\r\n";
    }
    void format(const char* pattern, ...) __attribute__((format(printf, 2, 3))) {
        char buffer[512];
        va_list args;
        va_start(args, pattern);
        const int n = std::vsnprintf(buffer, sizeof buffer, pattern, args);
        va_end(args);
        if (n >= int(sizeof buffer)) {  // a long name or a huge number: format again at full size
            std::vector<char> big(std::size_t(n) + 1);
            va_start(args, pattern);
            std::vsnprintf(big.data(), big.size(), pattern, args);
            va_end(args);
            text_ += big.data();
        } else if (n > 0) {
            text_ += buffer;
        }
        text_ += "\r\n";
    }
    void lines(const char* const* texts, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) line(texts[i]);
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Directory of a scene path with its trailing "/" ("" for a bare file name). On this platform
// "/" is the only separator; a backslash is an ordinary file-name byte.
std::string directoryOf(const char* path) {
    const std::string text(path);
    const std::size_t slash = text.rfind('/');
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

void envelope(SceneText& out, int channel, const char* keyLine) {
    out.format("Channel %d", channel);
    out.line("{ Envelope");
    out.line("  1");
    out.line(keyLine);
    out.line("  Behaviors 1 1");
    out.line("}");
}

void objectBlock(SceneText& out, const Scene& scene, int index, const std::string& stem, double keyTime) {
    const SceneObject& object = scene.objects[index];
    const Transform& t = object.transform;
    const float values[9] = {t.localPosition.x, t.localPosition.y, -t.localPosition.z,
                             -t.localRotation.y, -t.localRotation.x, t.localRotation.z,
                             t.localScale.x, t.localScale.y, t.localScale.z};
    out.format("LoadObjectLayer 1 Object\\%s.lwo", stem.c_str());
    out.line("ShowObject 6 3");
    out.line("ObjectMotion");
    out.line("NumChannels 9");
    for (int c = 0; c < 9; ++c) {
        char key[160];
        std::snprintf(key, sizeof key, "  Key %f %f 0 0 0 0 0 0 0", double(values[c]), keyTime);
        envelope(out, c, key);
    }
    out.line("");
    // Items are numbered in hexadecimal after the item type digit 1; a parent that is not another
    // object of the scene is left out rather than naming an item that does not exist.
    if (object.parent >= 0 && object.parent < scene.objectCount && object.parent != index)
        out.format("ParentItem 1%07X", unsigned(object.parent));
    out.line("ShadowOptions 7");
    out.line("");
}

void lightAndCamera(SceneText& out) {
    static const char* const lightStart[] = {"AmbientColor 1 1 1", "AmbientIntensity 0.25", "", "AddLight",
                                             "LightName Light", "ShowLight 1 5", "LightMotion", "NumChannels 9"};
    static const char* const lightKeys[] = {
        "  Key -2 0 0 0 0 0 0 0 0", "  Key 2 0 0 0 0 0 0 0 0", "  Key -2 0 0 0 0 0 0 0 0",
        "  Key 0.78539813 0 0 0 0 0 0 0 0", "  Key 0.61086524 0 0 0 0 0 0 0 0", "  Key 0 0 0 0 0 0 0 0 0",
        "  Key 1 0 0 0 0 0 0 0 0", "  Key 1 0 0 0 0 0 0 0 0", "  Key 1 0 0 0 0 0 0 0 0"};
    static const char* const lightEnd[] = {"", "LightColor 1 1 1", "LightIntensity 1", "AffectCaustics 1",
                                           "LightType 0", "ShadowType 1", "ShadowColor 0 0 0", ""};
    static const char* const cameraStart[] = {"AddCamera", "CameraName Camera", "ShowCamera 1 2", "CameraMotion",
                                              "NumChannels 6"};
    static const char* const cameraKeys[] = {
        "  Key -0.58872151 0 0 0 0 0 0 0 0", "  Key 0.92395401 0 0 0 0 0 0 0 0",
        "  Key -23.494741 0 0 0 0 0 0 0 0",  "  Key 0 0 0 0 0 0 0 0 0",
        "  Key 0 0 0 0 0 0 0 0 0",           "  Key 0 0 0 0 0 0 0 0 0"};
    static const char* const cameraEnd[] = {
        "", "ZoomFactor 3.2", "ResolutionMultiplier 1.0", "FrameSize 640 480", "PixelAspect 1",
        "MaskPosition 0 0 640 480", "MotionBlur 0", "FieldRendering 0", "", "ApertureHeight 0.015",
        "Antialiasing 0", "AdaptiveSampling 1", "AdaptiveThreshold 0.1", ""};
    out.lines(lightStart, std::size(lightStart));
    for (int c = 0; c < 9; ++c) envelope(out, c, lightKeys[c]);
    out.lines(lightEnd, std::size(lightEnd));
    out.lines(cameraStart, std::size(cameraStart));
    for (int c = 0; c < 6; ++c) envelope(out, c, cameraKeys[c]);
    out.lines(cameraEnd, std::size(cameraEnd));
}

void renderAndViews(SceneText& out) {
    static const char* const text[] = {
        "SolidBackdrop 1", "BackdropColor 0 0 0", "ZenithColor 0 0.1569 0.3137", "SkyColor 0.4706 0.7059 0.9412",
        "GroundColor 0.1961 0.1569 0.1176", "NadirColor 0.3922 0.3137 0.2353", "FogType 0", "DitherIntensity 1",
        "AnimatedDither 0", "", "RenderMode 2", "RayTraceEffects 0", "RayRecursionLimit 16",
        "RayTraceOptimization 1", "DataOverlayLabel  ", "SaveRGB 0", "SaveAlpha 0", "",
        "ViewConfiguration 0", "DefineView 0", "ViewType 7", "ViewAimpoint 0 0 0",
        "ViewRotation -92.20005 2.099987 0", "ViewZoomFactor 4", "", "GridNumber 80", "GridSize 5",
        "CameraViewBG 0", "ShowMotionPath 1", "ShowFogRadius 0", "ShowFogEffect 0", "ShowSafeAreas 0",
        "ShowFieldChart 0", "OverlayColor 11", "", "CurrentObject 0", "CurrentLight 0", "CurrentCamera 0",
        "GraphEditorData", "{ GraphEd_Favorites", "}", "{ GE_Expression_Lib", "  1", "}", ""};
    out.lines(text, std::size(text));
}

// The integer frame rate; a rate that is not a finite int-sized number is written as 0.
int wholeFramesPerSecond(float fps) {
    return std::isfinite(fps) && std::fabs(fps) < 2147483520.0f ? int(fps) : 0;
}

std::string sceneText(const Scene& scene, const std::vector<std::string>& stems) {
    SceneText out;
    out.line("LWSC");
    out.line("3");
    out.line("");
    out.format("FirstFrame %d", scene.firstFrame);
    out.format("LastFrame %d", scene.lastFrame);
    out.line("FrameStep 1");
    out.format("PreviewFirstFrame %d", scene.firstFrame);
    out.format("PreviewLastFrame %d", scene.lastFrame);
    out.line("PreviewFrameStep 1");
    out.format("CurrentFrame %d", scene.time);
    out.format("FramesPerSecond %d", wholeFramesPerSecond(scene.framesPerSecond));
    out.line("");
    // Without a usable frame rate the keys sit at time 0 instead of at infinity.
    const float fps = scene.framesPerSecond;
    const double keyTime = std::isfinite(fps) && fps != 0.0f ? double(float(scene.time) / fps) : 0.0;
    for (int i = 0; i < scene.objectCount; ++i) objectBlock(out, scene, i, stems[std::size_t(i)], keyTime);
    lightAndCamera(out);
    renderAndViews(out);
    return out.text();
}

bool writeText(const char* path, const std::string& text) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool good = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    good = std::fflush(file) == 0 && !std::ferror(file) && good;
    return std::fclose(file) == 0 && good;
}

}  // namespace

bool writeLwsFile(const char* path, const Scene& scene) {
    if (!path) return false;
    try {
        const std::string folder = directoryOf(path) + "Object";
        CreateDirectoryA(folder.c_str(), nullptr);  // it may exist already; a real failure shows below

        const std::vector<std::string> stems = objectFileStems(scene);
        Scene working;
        for (int i = 0; i < scene.objectCount; ++i) {
            const std::string file = folder + "/" + stems[std::size_t(i)] + ".lwo";
            if (!copyObjectScene(scene, i, working)) return false;
            resetTransforms(working);
            if (!writeLwo2FileConsuming(file.c_str(), working)) return false;
            working.reset();
        }

        copyMotionScene(scene, working);
        convertRotationOrder(working, OrderZXY);
        return writeText(path, sceneText(working, stems));
    } catch (const std::bad_alloc&) {
        return false;
    }
}
