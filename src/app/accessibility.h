#pragma once

// What accessibility clients (screen readers, test tools) are told of our own controls.

namespace barvoznak {

// Lets accessibility clients see our own controls for what they are; idempotent.
void installAccessibleFactory();

} // namespace barvoznak
