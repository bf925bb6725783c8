#pragma once

typedef struct _GstElement GstElement;
typedef struct _GstPad GstPad;
typedef struct _GstSample GstSample;

namespace EmulationManagement::Internal {

// A second leg for the frames a sending pipeline is about to encode: a tee
// goes in front of the JPEG encoder, and beside the encoder a leaky queue,
// frame dropping and scaling hand small I420 pictures to an appsink. While
// the branch exists the sending path only gains the tee; without it the
// pipeline is exactly as before. Splicing and removal work on stopped and on
// playing pipelines; the sending path is never cut.
class PreviewBranch
{
public:
    // Called on the branch's streaming thread for every preview picture.
    using SampleHandler = void (*)(GstSample *sample, void *data);

    static constexpr int maxWidth = 320;
    static constexpr int maxFramesPerSecond = 15;

    // The encoder must already be in the pipeline.
    PreviewBranch(GstElement *pipeline, GstElement *encoder, SampleHandler handler, void *data);
    ~PreviewBranch();

    PreviewBranch(const PreviewBranch &) = delete;
    PreviewBranch &operator=(const PreviewBranch &) = delete;

    // The pad a source pad that appears while the pipeline runs (a decoder's)
    // must link to so that its frames reach the encoder: the tee's input when a
    // branch stands in front of the encoder, else the encoder's own. A new
    // reference.
    static GstPad *encoderInput(GstElement *encoder);

private:
    void makeElements(SampleHandler handler, void *data);
    void splice();
    void unsplice();

    GstElement *m_pipeline;
    GstElement *m_encoder;
    GstElement *m_tee = nullptr;
    GstElement *m_queue = nullptr;
    GstElement *m_rate = nullptr;
    GstElement *m_scale = nullptr;
    GstElement *m_convert = nullptr;
    GstElement *m_sink = nullptr;
    GstPad *m_encoderLeg = nullptr;
    GstPad *m_previewLeg = nullptr;
};

} // namespace EmulationManagement::Internal
