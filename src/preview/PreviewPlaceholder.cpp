// The label preview layer: draws printer command text to pictures.
namespace rotulano::preview {}
