"""Drawing code for Morvane's artwork: the panel background, the picture buttons and the car icon.

Everything here is deterministic: textures come from seeded generators, so re-rendering
gives the same pixels and the committed files only change when the drawing code does.
"""
