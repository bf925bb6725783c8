#pragma once

typedef struct _GstElement GstElement;

// Starting and stopping a pipeline from the main thread without ever
// blocking it for good.
namespace EmulationManagement::Internal::PipelineControl {

// How long a pending state change may take before a stop goes ahead anyway.
constexpr int stateChangeTimeoutMs = 5000;

// Waits for a pending state change to finish, at most timeoutMs, then sets
// the pipeline to NULL unless it is already there with nothing pending.
void waitAndStop(GstElement *pipeline, int timeoutMs = stateChangeTimeoutMs);

// Sets the pipeline to NULL at once.
void stop(GstElement *pipeline);

// Sets the pipeline to PLAYING.
void play(GstElement *pipeline);

// The pipeline's state once a pending change has finished, at most timeoutMs.
int settledState(GstElement *pipeline, int timeoutMs = stateChangeTimeoutMs);

} // namespace EmulationManagement::Internal::PipelineControl
