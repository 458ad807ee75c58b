// Placeholder translation unit until the first stage adds its sources.
